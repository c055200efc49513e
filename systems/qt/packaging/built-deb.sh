# Sourced by the package checks: built_deb NAME [PACKAGE.deb] prints the
# package's absolute path, by default the one `make deb` wrote in build/deb,
# and ends the script with status 2 when there is none.
built_deb_tree="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)"
built_deb() {
  local name=$1 deb=${2:-}
  if [[ -z $deb ]]; then
    local debs=("$built_deb_tree"/build/deb/radixel_*.deb)
    [[ -f ${debs[0]} ]] || { echo "$name: no package in build/deb (make deb)" >&2; exit 2; }
    deb="${debs[0]}"
  fi
  realpath "$deb"
}
