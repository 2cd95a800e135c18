#!/bin/sh
# Starts Pennoria from its program folder below the same prefix, wherever that was installed.
hier=$(dirname "$(readlink -f "$0")")
exec "$hier/../lib/pennoria/pennoria" "$@"
