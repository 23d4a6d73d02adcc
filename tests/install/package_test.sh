#!/usr/bin/env bash
# The Debian package of this build, made as a packager makes it and read
# back with dpkg-deb: named the Debian way, with the project's version and
# this machine's architecture, depending on the libraries the program links
# and on the font it looks up at run time, and holding exactly what
# `cmake --install` puts in place, under /usr. Its desktop entry and
# metadata pass appstreamcli's check of the tree as installed.
#
#   package_test.sh CPACK CPACK_CONFIG VERSION WORK_DIR
#
# Exit 0 when all of that holds; 77 (CTest's skip) when a tool is missing
# and CI is not set; 1, saying what is wrong, otherwise. The package and
# cpack's output stay in WORK_DIR after a failure.
set -u -o pipefail

if [[ $# -ne 4 ]]; then
  echo "usage: $0 CPACK CPACK_CONFIG VERSION WORK_DIR" >&2
  exit 2
fi
readonly CPACK=$1 CONFIG=$2 VERSION=$3 WORK=$4

fail() {
  echo "package: FAILED: $*" >&2
  echo "package: the package and cpack's output are in $WORK" >&2
  exit 1
}

missing=()
for tool in dpkg dpkg-deb dpkg-shlibdeps file appstreamcli; do
  command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "package: missing ${missing[*]} (Debian packages dpkg-dev, file, appstream)" >&2
  if [[ -n ${CI:-} ]]; then
    echo "package: CI is set, so a missing tool is a failure" >&2
    exit 1
  fi
  echo "package: skipped" >&2
  exit 77
fi
[[ -f $CONFIG ]] || fail "$CONFIG is missing: configure the build first"

# The work folder is emptied first: refuse anything that could be someone's.
case $WORK in
  "" | / | "$HOME" | /tmp | .)
    echo "package: refusing to use $WORK as the work directory" >&2
    exit 2
    ;;
esac
rm -rf "$WORK"
mkdir -p "$WORK" || exit 1

"$CPACK" -G DEB --config "$CONFIG" -B "$WORK" >"$WORK/cpack.log" 2>&1 ||
  fail "cpack -G DEB failed: $(tail -n 20 "$WORK/cpack.log")"
arch=$(dpkg --print-architecture)
deb=$WORK/astrolathe_${VERSION}_$arch.deb
[[ -f $deb ]] || fail "no $(basename "$deb"); cpack made: $(cd "$WORK" && echo *.deb)"

field() { dpkg-deb -f "$deb" "$1"; }
expect_field() {
  local value
  value=$(field "$1")
  [[ $value == "$2" ]] || fail "$1 is \"$value\", expected \"$2\""
}
expect_field Package astrolathe
expect_field Version "$VERSION"
expect_field Architecture "$arch"
depends=$(field Depends)
# The font is named by hand; the library stands for those read from the
# binary, so that a package made without dpkg-shlibdeps fails here.
for wanted in fonts-liberation2 libsdl2-2.0-0; do
  [[ ", $depends," == *", $wanted"[\ ,]* ]] || fail "Depends lacks $wanted: $depends"
done
[[ -n $(field Maintainer) ]] || fail "the package has no Maintainer"
[[ $(field Description | wc -l) -ge 2 ]] || fail "the package has no long description"

# Files only: dpkg-deb makes the folders as it needs them. Any other file,
# a test, a benchmark or the driver, is a fault.
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort) || fail "dpkg-deb -c failed"
expected=$(
  {
    echo ./usr/bin/astrolathe
    echo ./usr/share/applications/astrolathe.desktop
    echo ./usr/share/metainfo/org.astrolathe.astrolathe.metainfo.xml
    for side in 16 32 48 64 128 256; do
      echo "./usr/share/icons/hicolor/${side}x$side/apps/astrolathe.png"
    done
  } | sort
)
if [[ $files != "$expected" ]]; then
  fail "the package holds other files than expected:
$(diff <(echo "$expected") <(echo "$files"))"
fi
mode=$(dpkg-deb -c "$deb" | awk '$6 == "./usr/bin/astrolathe" { print $1 }')
[[ $mode == -rwxr-xr-x ]] || fail "/usr/bin/astrolathe is $mode, not -rwxr-xr-x"

# As installed: the metadata names an entry and an icon the tree has.
dpkg-deb -x "$deb" "$WORK/root" || fail "dpkg-deb -x failed"
appstreamcli validate-tree --no-net "$WORK/root" >"$WORK/validate-tree.log" 2>&1 ||
  fail "appstreamcli validate-tree: $(cat "$WORK/validate-tree.log")"

echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
echo "package: Depends: $depends"
rm -rf "$WORK"
