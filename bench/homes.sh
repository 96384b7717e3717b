# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Homes for the benchmarks, sourced by the scripts beside it.

# A home whose bar settings hold the given number of items: programs,
# documents, folders, special places, separators and groups in turn.
make_kestrel_home() {
    local home=$1 count=$2
    mkdir -p "$home/.config/Dash97"
    {
        printf '[App]\nFirstTimeEx=no\n[Setting]\nTop=3000\n[Items]\n'
        local targets=(/usr/bin /bin/sh /etc/hostname "My Computer" sep "Recycle Bin" /usr/share "Desktop Folder"
                       /bin/ls "group|Tools|:")
        for ((i = 0; i < count; i++)); do
            local t=${targets[$((i % ${#targets[@]}))]}
            case "$t" in
                sep|group*) printf '%d=%s\n' "$i" "$t" ;;
                *) printf '%d=%s|item %d\n' "$i" "$t" "$i" ;;
            esac
        done
    } > "$home/.config/Dash97/settings.ini"
}

# A home for the other dock with the given number of launchers, each a
# .desktop entry with an icon from the Adwaita theme.
make_plank_home() {
    local home=$1 count=$2
    local icons=(folder utilities-terminal text-x-generic computer user-trash folder-documents
                 system-file-manager accessories-text-editor help-browser preferences-system)
    mkdir -p "$home/apps" "$home/.config/plank/dock1/launchers"
    for ((i = 0; i < count; i++)); do
        local entry
        entry=$(printf '%s/apps/%02d.desktop' "$home" "$i")
        printf '[Desktop Entry]\nType=Application\nName=item %d\nExec=true\nIcon=%s\n' \
            "$i" "${icons[$((i % ${#icons[@]}))]}" > "$entry"
        printf '[PlankDockItemPreferences]\nLauncher=file://%s\n' "$entry" \
            > "$(printf '%s/.config/plank/dock1/launchers/%02d.dockitem' "$home" "$i")"
    done
}
