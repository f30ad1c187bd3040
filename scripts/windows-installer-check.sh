#!/usr/bin/env bash
# Checks the Windows installer under Wine, headless, in a Wine prefix of its
# own made fresh beside the installer:
#   scripts/windows-installer-check.sh STAGE NEW.msi [OLD.msi...]
# STAGE is the folder NEW.msi was built from; each OLD.msi is an earlier
# version of the product, or a rebuild of NEW's version, for the upgrade
# checks.
#  - msiexec /i installs: the installed tree equals STAGE, file for file and
#    byte for byte; the Start-menu shortcut has its Chinese name, points at
#    corvane.exe and shows the product's icon; the installed-programs entry
#    has name, version, publisher, icon and location; the installed
#    corvane-batch.exe runs and reports the installer's version.
#  - msiexec /x leaves nothing of it: no file, shortcut, cached icon or entry.
#  - OLD then NEW leaves one installation, NEW's version and files; an older
#    OLD over NEW is refused and changes nothing.
# Each check prints its name and PASS or FAIL; the exit status is 1 if any
# failed; the msiexec logs stay in the work folder, and the Wine prefix too
# after a failure. The install and uninstall times are printed as figures.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

if [ $# -lt 2 ]; then
    echo "usage: $0 STAGE NEW.msi [OLD.msi...]" >&2
    exit 2
fi
absolute() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
stage=$(cd "$1" && pwd)
new_msi=$(absolute "$2")
old_msis=()
for old in "${@:3}"; do
    old_msis+=("$(absolute "$old")")
done
"$root/scripts/deps.sh" wine wine64 msitools

# Versions and product codes are read from the installers. The texts are
# read from the installer's source, not from the installer: a fault in their
# code page would read back the same wrong way from both the installer and
# Wine.
msi_property() { msiinfo export "$1" Property | awk -F'\t' -v p="$2" '$1 == p { print $2 }' | tr -d '\r'; }
new_version=$(msi_property "$new_msi" ProductVersion)
wxs="$root/packaging/windows/corvane.wxs"
wxs_attribute() { # wxs_attribute ELEMENT ATTRIBUTE: its value, one attribute a line
    sed -n "/<$1 /,/>/s/^ *\(<$1 \)\?$2=\"\([^\"]*\)\".*/\2/p" "$wxs" | head -n 1
}
product_name=$(wxs_attribute Product Name)
publisher=$(wxs_attribute Product Manufacturer)
shortcut_name=$(wxs_attribute Shortcut Name)
echo "Product \"$product_name\" of \"$publisher\", shortcut \"$shortcut_name\""

# A fresh prefix: nothing from an earlier run can make a check pass. Quiet,
# without the offers to install Mono and Gecko, and without winemenubuilder,
# which would copy the Start menu into the desktop's own menus.
work=$(dirname "$new_msi")/wine-installer-check
rm -rf "$work"
mkdir -p "$work"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY
echo "== Installer check in $WINEPREFIX =="
wineboot -i >/dev/null 2>&1
wineserver -p 2>/dev/null || true
trap 'wineserver -k 2>/dev/null || true' EXIT

drive_c="$WINEPREFIX/drive_c"
install_dir="$drive_c/Program Files/Corvane"
# A per-machine installation puts its shortcut in the Start menu of all
# users, as Windows Installer does; Wine's resolves ProgramMenuFolder to the
# user's own Start menu whatever the installation's scope. Both are searched;
# the shortcut must be in one of them.
start_menus=("$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
    "$drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs")
uninstall_key='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall'

failed=0
check() { # check NAME COMMAND...: runs the command, prints NAME and its verdict
    local name=$1
    shift
    if "$@"; then
        echo "PASS  $name"
    else
        echo "FAIL  $name"
        failed=1
    fi
}

seconds_since() { awk -v a="$1" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }'; }

# msiexec ACTION MSI: runs it silently with a verbose log; its exit status is
# msiexec's. The log is kept in the work folder for a failure's reason.
log_count=0
msiexec() {
    log_count=$((log_count + 1))
    local log="$work/msiexec-$log_count-$1.log"
    wine msiexec "/$1" "$(winepath -w "$2")" /qn /l*v "$(winepath -w "$log")" >/dev/null 2>&1
}

# The installed-programs entries, as UTF-8 text (regedit exports UTF-16).
export_uninstall() {
    local out="$work/uninstall.reg"
    rm -f "$out"
    wine regedit /E "$(winepath -w "$out")" "$uninstall_key" >/dev/null 2>&1 || true
    if [ -f "$out" ]; then
        iconv -f UTF-16 -t UTF-8 "$out" | tr -d '\r'
    fi
}

# The entry key of product CODE, or nothing.
uninstall_entry() { export_uninstall | awk -v key="[${uninstall_key}\\$1]" '
    $0 == key { inside = 1; next }
    /^\[/ { inside = 0 }
    inside && NF { print }'; }

entry_value() { # entry_value ENTRY_TEXT NAME: the string value NAME
    printf '%s\n' "$1" | awk -v name="\"$2\"=" 'index($0, name) == 1 {
        v = substr($0, length(name) + 1); gsub(/^"|"$/, "", v); gsub(/\\\\/, "\\", v); print v }'
}

# Uninstall entries of this product, by its name: every version has one name.
entries_of_product() {
    export_uninstall | grep -c -x -F "\"DisplayName\"=\"$product_name\"" || true
}

# Installed tree equals the stage: same relative paths, same bytes.
tree_listing() { (cd "$1" && find . -type f -printf '%P\n' | LC_ALL=C sort); }
same_tree() {
    [ -d "$install_dir" ] || return 1
    if ! diff <(tree_listing "$stage") <(tree_listing "$install_dir") >"$work/tree.diff"; then
        cat "$work/tree.diff"
        return 1
    fi
    local path
    while IFS= read -r path; do
        cmp -s "$stage/$path" "$install_dir/$path" || {
            echo "  differs: $path"
            return 1
        }
    done < <(tree_listing "$stage")
}

no_files_left() { [ ! -d "$install_dir" ] || [ -z "$(find "$install_dir" -type f)" ]; }

# Sets shortcut to the installed shortcut's file and shortcuts to how many
# Start menus have one.
shortcut=
shortcuts=0
find_shortcut() {
    local menu
    shortcut=
    shortcuts=0
    for menu in "${start_menus[@]}"; do
        if [ -f "$menu/$shortcut_name.lnk" ]; then
            shortcut="$menu/$shortcut_name.lnk"
            shortcuts=$((shortcuts + 1))
        fi
    done
}
shortcut_found() {
    find_shortcut
    [ $shortcuts -eq 1 ] && echo "  shortcut: ${shortcut#"$drive_c/"}"
}
shortcut_gone() { find_shortcut && [ $shortcuts -eq 0 ]; }
# A .lnk keeps its paths in UTF-16; with the zero bytes dropped they can be
# searched as text.
shortcut_text() { [ -n "$shortcut" ] && tr -d '\0' <"$shortcut"; }
shortcut_targets_program() { shortcut_text | grep -a -q -F 'Corvane\corvane.exe'; }
# The shortcut's icon is the one the installer caches for the product:
# C:\windows\Installer\{ProductCode}\corvane.ico, the same bytes as the stage's.
shortcut_icon_is_products() {
    local code=$1
    shortcut_text | grep -a -q -i -F "Installer\\$code\\corvane.ico" &&
        cmp -s "$stage/corvane.ico" "$drive_c/windows/Installer/$code/corvane.ico"
}

# A Windows path names an installed copy of the stage's corvane.ico.
icon_is_products() {
    [[ $1 == *corvane.ico ]] && cmp -s "$stage/corvane.ico" "$(winepath -u "$1" 2>/dev/null)"
}

# A Windows path names the install folder.
is_install_dir() {
    [ -n "$1" ] && [ -d "$install_dir" ] &&
        [ "$(cd "$(winepath -u "$1" 2>/dev/null)" 2>/dev/null && pwd -P)" = "$(cd "$install_dir" && pwd -P)" ]
}

program_reports_version() {
    local out
    out=$(wine "C:/Program Files/Corvane/corvane-batch.exe" --version 2>/dev/null | tr -d '\r') || return 1
    echo "  corvane-batch.exe --version: $out"
    [[ $out == *"$1"* ]]
}

# The checks of an installed product: MSI is its installer, built from STAGE.
check_installed() {
    local msi=$1 version code entry
    version=$(msi_property "$msi" ProductVersion)
    code=$(msi_property "$msi" ProductCode)
    entry=$(uninstall_entry "$code")
    check "installed files equal the stage ($version)" same_tree
    check "one Start-menu shortcut \"$shortcut_name\"" shortcut_found
    check "shortcut starts corvane.exe" shortcut_targets_program
    check "shortcut shows the product's icon" shortcut_icon_is_products "$code"
    check "uninstall entry $code exists" test -n "$entry"
    check "entry DisplayName is \"$product_name\"" \
        test "$(entry_value "$entry" DisplayName)" = "$product_name"
    check "entry DisplayVersion is $version" test "$(entry_value "$entry" DisplayVersion)" = "$version"
    check "entry Publisher is \"$publisher\"" test "$(entry_value "$entry" Publisher)" = "$publisher"
    check "entry DisplayIcon is the product's icon" \
        icon_is_products "$(entry_value "$entry" DisplayIcon)"
    check "entry InstallLocation is the install folder" \
        is_install_dir "$(entry_value "$entry" InstallLocation)"
    check "installed corvane-batch.exe runs and reports $version" program_reports_version "$version"
}

check_removed() {
    local code
    code=$(msi_property "$1" ProductCode)
    check "no installed file is left" no_files_left
    check "shortcut is gone" shortcut_gone
    check "cached icon is gone" test ! -e "$drive_c/windows/Installer/$code"
    check "uninstall entry is gone" test -z "$(uninstall_entry "$code")"
}

echo "== Install $(basename "$new_msi") =="
start=$(date +%s.%N)
check "msiexec /i installs" msiexec i "$new_msi"
echo "  install time: $(seconds_since "$start") s"
check_installed "$new_msi"

echo "== Uninstall =="
start=$(date +%s.%N)
check "msiexec /x uninstalls" msiexec x "$new_msi"
echo "  uninstall time: $(seconds_since "$start") s"
check_removed "$new_msi"

for old_msi in "${old_msis[@]}"; do
    old_version=$(msi_property "$old_msi" ProductVersion)
    echo "== Upgrade $(basename "$old_msi") ($old_version) -> $new_version =="
    check "msiexec /i installs $old_version" msiexec i "$old_msi"
    check "one installation of $old_version" test "$(entries_of_product)" -eq 1
    start=$(date +%s.%N)
    check "msiexec /i installs $new_version over it" msiexec i "$new_msi"
    echo "  upgrade time: $(seconds_since "$start") s"
    check "one installation remains" test "$(entries_of_product)" -eq 1
    check "entry of the replaced installation is gone" \
        test -z "$(uninstall_entry "$(msi_property "$old_msi" ProductCode)")"
    check_installed "$new_msi"

    if [ "$old_version" != "$new_version" ]; then
        echo "== Downgrade to $old_version refused =="
        if msiexec i "$old_msi"; then downgrade=installed; else downgrade=refused; fi
        check "msiexec /i of $old_version over $new_version is refused" test $downgrade = refused
        check "one installation remains" test "$(entries_of_product)" -eq 1
        check "installed files still equal the stage" same_tree
    fi

    check "msiexec /x uninstalls $new_version" msiexec x "$new_msi"
    check_removed "$new_msi"
done

if [ $failed -ne 0 ]; then
    echo "Installer check: FAIL (logs and Wine prefix in $work)"
    exit 1
fi
# The prefix (about 700 MB) is kept only for a failure's inquest.
wineserver -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
echo "Installer check: PASS"
