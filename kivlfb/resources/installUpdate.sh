#!/bin/sh
# Installs a downloaded network update: unpacks the archive named by the
# first argument (a .tar.gz in the network-update folder) and runs the
# "updatescript.sh" that it carries. The archive itself is kept.
#
# KIV_ROOT is unset on the cabinet; on a desktop it names the directory
# that stands for "/".

updates="${KIV_ROOT}/root/networkUpdates"
updatefile="$1"
f="$updates/$updatefile"

if [ -n "$updatefile" ] && [ -f "$f" ]; then
    echo "Update file $f found!"
    cd "$updates" || exit 1
    /usr/bin/tar -xf "$updatefile"

    updatedir="${f%.tar.gz}"
    echo "update dir is: $updatedir"

    if [ -d "$updatedir" ]; then
        cd "$updatedir" || exit 1
        if [ -f updatescript.sh ]; then
            echo "Executing update script!"
            ./updatescript.sh
            cd ..
            echo "Done executing update script. Cleaning up!"
            rm -rf "$updatedir"
        else
            echo "updatescript.sh not found!"
        fi
    fi
fi
