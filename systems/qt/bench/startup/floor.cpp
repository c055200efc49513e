// The start-up floor: a bare Qt 6 Widgets program that shows a plain dialog
// with the same controls as the Radixel window (three line edits, six radio
// buttons in a group box, two push buttons, a two-item menu bar) and no
// logic. The start-up benchmark compares the real program against it.
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("Floor"));
  dialog.setFixedSize(389, 252);

  auto* menu = new QMenuBar(&dialog);
  menu->setNativeMenuBar(false);
  menu->addAction(QStringLiteral("About"));
  menu->addAction(QStringLiteral("Help!"));
  menu->setGeometry(0, 0, 389, 23);

  const char* labels[] = {"Input", "Output", "Error Messages"};
  const int rows[] = {39, 104, 186};
  for (int i = 0; i < 3; ++i) {
    auto* label = new QLabel(QString::fromLatin1(labels[i]), &dialog);
    label->setGeometry(9, rows[i], 110, 13);
    auto* edit = new QLineEdit(&dialog);
    edit->setGeometry(9, rows[i] + 24, i == 2 ? 254 : 114, 23);
  }
  auto* frame = new QGroupBox(&dialog);
  frame->setGeometry(140, 39, 123, 163);
  const char* modes[] = {"Hex to Dec", "Hex to Bin", "Dec to Hex", "Dec to Bin", "Bin to Hex", "Bin to Dec"};
  for (int i = 0; i < 6; ++i) {
    auto* radio = new QRadioButton(QString::fromLatin1(modes[i]), frame);
    radio->setGeometry(9, 16 + 24 * i, 100, 16);
  }
  auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
  ok->setGeometry(289, 186, 88, 23);
  ok->setDefault(true);
  auto* exit = new QPushButton(QStringLiteral("Exit"), &dialog);
  exit->setGeometry(289, 218, 88, 23);

  dialog.show();
  return application.exec();
}
