#!/bin/sh
# Starts dab from its own folder, where it finds its data files, wherever the prefix lies.
folder=$(dirname "$(readlink -f "$0")")/../@DAB_PROGRAM_FOLDER@
cd "$folder" || exit 1
exec "$folder/dab"
