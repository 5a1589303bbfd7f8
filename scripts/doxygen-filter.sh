#!/usr/bin/env bash
# Doxygen's view of a public header: its plain comments read as documentation. The comment
# that opens the file describes the file; a comment line before a declaration documents it;
# a comment after a declaration on the same line documents that declaration.
exec awk '
    BEGIN { head = 1 }
    head && /^\/\/ / { sub(/^\/\/ /, head == 1 ? "/// @file\n/// " : "/// "); head = 2; print; next }
    { head = 0 }
    /^[ \t]*\/\/ / { sub(/\/\/ /, "/// "); print; next }
    /[;,{][ \t]*\/\/ / { sub(/\/\/ /, "///< "); print; next }
    { print }
' "$1"
