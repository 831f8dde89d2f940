# The arguments both release checks take (sourced, not run):
#
#   CHECK WIN_BUILD_DIR [WORK_DIR]
#
# Sets root (the sources), win_build and work, the WORK_DIR (a new temporary
# folder if not given) emptied and made absolute.
root=$(cd "$(dirname "$0")/../.." && pwd)
[ $# -ge 1 ] || { echo "usage: $0 WIN_BUILD_DIR [WORK_DIR]" >&2; exit 2; }
win_build=$(cd "$1" && pwd) || exit 2
work=${2:-$(mktemp -d)}
rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)
