# The batch benchmark's perl peer: the six conversions with hex(), oct()
# and sprintf, one line at a time, as a perl user would write them.
use strict;
no warnings;  # hex() of more than 16 digits, and its overflow, only warn

my %legal = (hex => qr/^[0-9a-fA-F]+$/, dec => qr/^[0-9]+$/, bin => qr/^[01]+$/);
while (my $line = <STDIN>) {
  chomp $line;
  my ($mode, $text) = split /\t/, $line, 2;
  my ($from, $to) = split /2/, $mode;
  my ($result, $error) = ('', '');
  if ($text =~ $legal{$from}) {
    my $value = $from eq 'hex' ? hex($text) : $from eq 'bin' ? oct("0b$text") : $text + 0;
    $result = $to eq 'dec' ? "$value." : $to eq 'hex' ? sprintf('%X', $value) : sprintf('%08b', $value);
  } else {
    $error = 'Your entered an illegal char.';
  }
  print "$text\t$result\t$error\n";
}
