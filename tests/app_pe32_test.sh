#!/usr/bin/env bash
# The 32-bit build is a PE32 GUI program that stands alone: it imports only
# from the system's own DLLs (no libgcc, libstdc++ or winpthread DLLs), and
# the shell's and COM's only when first called. Both programs stay small.
#   app_pe32_test.sh WIN32_EXE [WIN64_EXE]
set -u
exe=$1
exe64=${2:-}
max_bytes=300000
fail=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; fail=1; fi; }
[ -f "$exe" ] || { echo "FAILED: $exe does not exist (build the 32-bit program first)"; exit 1; }
dump=$(i686-w64-mingw32-objdump -p "$exe")
check "PE32 (not PE32+)" 'grep -q "^Magic[[:space:]]*010b" <<<"$dump"'
check "Windows GUI subsystem" 'grep -q "^Subsystem[[:space:]]*00000002" <<<"$dump"'
check "i386 machine" 'i686-w64-mingw32-objdump -f "$exe" | grep -q "pei-i386"'
dlls=$(grep "DLL Name:" <<<"$dump" | awk '{print toupper($3)}' | sort -u)
echo "imports: $(echo $dlls)"
for d in $dlls; do
    case "$d" in
        USER32.DLL|GDI32.DLL|SHELL32.DLL|COMCTL32.DLL|KERNEL32.DLL|ADVAPI32.DLL|MSVCRT.DLL|API-MS-WIN-CRT-*) ;;
        OLE32.DLL) ;;   # the Startup folder's shortcut
        *) echo "FAILED: unexpected import $d"; fail=1 ;;
    esac
done
for d in USER32.DLL GDI32.DLL COMCTL32.DLL KERNEL32.DLL ADVAPI32.DLL; do
    check "imports $d" 'grep -qx "$d" <<<"$dlls"'
done
# shell32 and ole32 are loaded at their first call, not at start.
for d in SHELL32.DLL OLE32.DLL; do
    check "loads $d at its first call, not at start" \
        '! grep -qx "$d" <<<"$dlls" && strings -a "$exe" | grep -qix "${d,,}"'
done

size=$(stat -c %s "$exe")
check "the 32-bit program is at most $max_bytes bytes (is $size)" '[ "$size" -le "$max_bytes" ]'
# It is built without unwind tables and without the C++ library's exception
# machinery; only the C runtime's start-up objects bring a little .eh_frame
# (about 2.4 KB). The machinery back (a guarded local static, a library
# member that throws) brings 10 KB and more.
eh_hex=$(i686-w64-mingw32-objdump -h "$exe" | awk '$2 ~ /^\.eh_fram/ {print $3}')
eh=$((16#${eh_hex:-0}))
check "the 32-bit program's .eh_frame is at most 4096 bytes (is $eh)" '[ "$eh" -le 4096 ]'

if [ -n "$exe64" ]; then
    if [ -f "$exe64" ]; then
        size=$(stat -c %s "$exe64")
        check "the 64-bit program is at most $max_bytes bytes (is $size)" '[ "$size" -le "$max_bytes" ]'
    else
        echo "FAILED: $exe64 does not exist"
        fail=1
    fi
fi
exit $fail
