#!/usr/bin/env bash
# The program must start on a bare Windows: it may import only DLLs that every Windows has.
# Usage: system_dlls.sh OBJDUMP PROGRAM.exe
set -euo pipefail
allowed=" KERNEL32.dll USER32.dll GDI32.dll OPENGL32.dll msvcrt.dll "
headers=$("$1" -p "$2")
dlls=$(awk '/DLL Name:/ {print $3}' <<<"$headers")
echo "imports: $(tr '\n' ' ' <<<"$dlls")"
status=0
while read -r dll; do
    case "$allowed" in
        *" $dll "*) ;;
        *) echo "not a system DLL: $dll" >&2; status=1 ;;
    esac
done <<<"$dlls"
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || { echo "not a GUI program" >&2; status=1; }
exit $status
