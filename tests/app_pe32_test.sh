#!/usr/bin/env bash
# The 32-bit build is a PE32 GUI program that stands alone: it imports only
# from the system's own DLLs (no libgcc, libstdc++ or winpthread DLLs).
set -u
exe=$1
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
for d in USER32.DLL GDI32.DLL SHELL32.DLL COMCTL32.DLL KERNEL32.DLL ADVAPI32.DLL; do
    check "imports $d" 'grep -qx "$d" <<<"$dlls"'
done
exit $fail
