#!/usr/bin/env bash
# Gives the Wine prefix in WINEPREFIX the fonts a stock Windows has, for the pictures and tests:
# Marlett installed (Wine draws the caption buttons with it; without it a letter "r" stands in
# for the close button), and the UI font linked to a Japanese font, so that menus and message
# boxes show Japanese on a system of any code page.
set -euo pipefail

fonts=$WINEPREFIX/drive_c/windows/Fonts
mkdir -p "$fonts"
for folder in /usr/share/wine/fonts /usr/lib/wine/fonts /usr/lib/x86_64-linux-gnu/wine/fonts; do
    if [ -f "$folder/marlett.ttf" ]; then
        cp "$folder/marlett.ttf" "$fonts/"
        break
    fi
done

japanese=/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf
if [ -f "$japanese" ]; then
    cp "$japanese" "$fonts/"
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
        /v Tahoma /t REG_MULTI_SZ /d 'ipag.ttf,IPAGothic' /f >/dev/null 2>&1
fi
