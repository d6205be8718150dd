#!/bin/sh
# Runs a cross-built test program under Wine; scripts/test provides the prefix,
# display, locale and time zone. Wine's own chatter is dropped from stderr.
WINEDEBUG=${WINEDEBUG:--all} exec wine "$@"
