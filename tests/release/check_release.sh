#!/bin/bash
# Checks the release as scripts/pack-release.sh makes it from the programs
# of a MinGW build:
#
#   tests/release/check_release.sh WIN_BUILD_DIR [WORK_DIR]
#
# - beside the zip the setup program Fesk-2.3-setup.exe (tried out by
#   tests/release/check_setup.sh);
# - the zip holds exactly Fesk.exe, FeskINI.exe, Fesk.html, Fesk.Ini,
#   FESK.TBL and お読みください.txt, the read-me's name stored in UTF-8 with
#   the zip's UTF-8 flag;
# - unpacked into a fresh folder, the read-me is help/readme-ja.txt in code
#   page 932 with CR LF line ends, the help document and the sample settings
#   are those of the sources, the programs carry no debug information;
# - under Wine (tests/wine/run-wine-test.sh) release_start.exe of the build
#   checks that the version resources say 2.3 and that both programs start
#   from the unpacked folder and end cleanly.
#
# WORK_DIR (a new temporary folder if not given) is emptied first.  The exit
# code is the number of failed checks.
set -u
. "$(dirname "$0")/work-folder.sh"

failures=0
ok() { echo "ok   $*"; }
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
check() {  # check "what" command...
  local what=$1
  shift
  if "$@"; then ok "$what"; else fail "$what"; fi
}

# ---- Packing ------------------------------------------------------------------
if ! "$root/scripts/pack-release.sh" "$win_build" "$work" >"$work/pack.log" 2>&1; then
  cat "$work/pack.log"
  fail "scripts/pack-release.sh packs the programs of $win_build"
  exit $failures
fi
zip_file="$work/Fesk-2.3.zip"
check "the release is $zip_file" test -f "$zip_file"
setup_file="$work/Fesk-2.3-setup.exe"
check "beside it the setup $setup_file" grep -q '^MZ' <(head -c 2 "$setup_file" 2>/dev/null; echo)

# ---- The zip ------------------------------------------------------------------
listing=$(python3 - "$zip_file" <<'PY'
import sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as z:
    for info in z.infolist():
        utf8 = "utf8" if info.flag_bits & 0x800 else "-"
        print(f"{info.filename}\t{utf8}")
PY
)
names=$(printf '%s\n' "$listing" | cut -f1 | LC_ALL=C sort)
expected=$(printf '%s\n' Fesk.exe FeskINI.exe Fesk.html Fesk.Ini FESK.TBL お読みください.txt | LC_ALL=C sort)
if [ "$names" = "$expected" ]; then
  ok "the zip holds exactly: $(echo $expected)"
else
  fail "the zip holds exactly: $(echo $expected)"
  echo "  it holds: $(echo $names)"
fi
check "the read-me's name carries the zip's UTF-8 flag" \
  grep -qx $'お読みください.txt\tutf8' <<<"$listing"

# ---- Unpacked -------------------------------------------------------------------
unpacked="$work/unpacked"
mkdir -p "$unpacked"
check "the zip unpacks into a fresh folder" unzip -q "$zip_file" -d "$unpacked"
readme="$unpacked/お読みください.txt"
check "the read-me is there under its Japanese name" test -f "$readme"
if [ -f "$readme" ]; then
  check "the read-me is code page 932 text" iconv -f cp932 -t utf-8 "$readme" -o /dev/null
  check "the read-me is not UTF-8 (it is Japanese text in code page 932)" \
    bash -c "! iconv -f utf-8 -t utf-8 '$readme' -o /dev/null 2>/dev/null"
  lines=$(tr -cd '\n' <"$readme" | wc -c)
  crlf=$(grep -c $'\r$' "$readme")
  bare_cr=$(tr -d '\n' <"$readme" | tr -cd '\r' | wc -c)
  check "every line of the read-me ends in CR LF ($crlf of $lines)" test "$lines" -gt 0 -a "$crlf" -eq "$lines" -a "$bare_cr" -eq "$lines"
  check "the read-me says what help/readme-ja.txt says" \
    cmp -s <(iconv -f cp932 -t utf-8 "$readme" | tr -d '\r') "$root/help/readme-ja.txt"
fi
check "Fesk.html is help/Fesk.html" cmp -s "$unpacked/Fesk.html" "$root/help/Fesk.html"
check "Fesk.Ini is demo/Fesk.Ini" cmp -s "$unpacked/Fesk.Ini" "$root/demo/Fesk.Ini"
check "FESK.TBL is demo/FESK.TBL" cmp -s "$unpacked/FESK.TBL" "$root/demo/FESK.TBL"
for program in Fesk.exe FeskINI.exe; do
  check "$program is a Windows program" grep -q '^MZ' <(head -c 2 "$unpacked/$program"; echo)
  check "$program carries no debug information" \
    bash -c "! x86_64-w64-mingw32-objdump -h '$unpacked/$program' | grep -q '\.debug'"
done

# ---- Under Wine -------------------------------------------------------------------
starter="$win_build/tests/e2e/release_start.exe"
if [ ! -f "$starter" ]; then
  fail "the MinGW build has $starter (build it: ninja -C $win_build fesk_release_start)"
else
  windows_folder="Z:${unpacked//\//\\}"
  "$root/tests/wine/run-wine-test.sh" --timeout 240 "$starter" "$windows_folder"
  status=$?
  if [ $status -eq 0 ]; then
    ok "both programs start from the unpacked folder and end cleanly; their versions are 2.3"
  else
    fail "release_start.exe under Wine ($status failed checks)"
  fi
fi

if [ $failures -eq 0 ]; then echo "check_release: passed"; else echo "check_release: FAILED ($failures failures)"; fi
exit $failures
