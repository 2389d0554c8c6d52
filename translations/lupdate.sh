#!/usr/bin/env bash
# Finds every text of the program a person reads and writes it to a .ts file:
#   lupdate.sh LUPDATE SOURCE_ROOT TS_FILE [LUPDATE_OPTIONS...]
# An existing TS_FILE keeps its translations; new texts come in unfinished.
# tr_text and tr_noop (core/translation.h) are read as Qt's translate and
# QT_TRANSLATE_NOOP; the Qt classes use tr().
set -euo pipefail
lupdate=$1 root=$2 ts=$3
shift 3
cd "$root"
exec "$lupdate" -silent -locations none -source-language ja_JP -target-language en \
  -tr-function-alias translate+=tr_text,QT_TRANSLATE_NOOP+=tr_noop \
  -I . "$@" core kifu settings archive sound net window view -ts "$ts"
