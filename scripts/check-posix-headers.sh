#!/usr/bin/env bash
# Keeps the Windows port cheap: POSIX headers may appear only in the serial platform layer
# (src/link) and in tests that meet a Unix-only condition (tests, e.g. running as root), each
# include inside a platform conditional, and in the simulator (tools/tripsim, which CMake
# builds on Unix only). Prints every offending include and exits 1 when there
# is one.
#
#   scripts/check-posix-headers.sh [source root]      (default: the repository)
set -euo pipefail

root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root"

# Headers of POSIX and its Unix relatives that a Windows tool chain does not have.
posix='(unistd|fcntl|poll|termios|pthread|sched|pty|dirent|dlfcn|spawn|semaphore|syslog|pwd|grp|glob|wordexp|strings|libgen|utmp|util|netdb|ifaddrs|sys/[a-z_/]+|netinet/[a-z_]+|arpa/[a-z_]+)\.h'

failed=0
report() {
    echo "check-posix-headers: $1"
    failed=1
}

if ! grep -Eq '^if\(NOT UNIX\)' tools/tripsim/CMakeLists.txt 2>/dev/null; then
    report "tools/tripsim/CMakeLists.txt no longer limits the simulator to Unix"
fi

offences=$(while IFS= read -r -d '' file; do
    case "$file" in
    tools/tripsim/*) continue ;;
    src/link/* | tests/*) guarded=1 ;;
    *) guarded=0 ;;
    esac
    # Tracks the depth of #if/#ifdef/#ifndef blocks; an include at depth 0 is unconditional.
    awk -v file="$file" -v guarded="$guarded" -v pattern="^[ \t]*#[ \t]*include[ \t]*<$posix>" '
        /^[ \t]*#[ \t]*if/ { depth++ }
        /^[ \t]*#[ \t]*endif/ { if (depth > 0) depth-- }
        $0 ~ pattern {
            if (!guarded)
                printf "%s:%d: POSIX header outside the serial platform layer and tests: %s\n", file, FNR, $0
            else if (depth == 0)
                printf "%s:%d: POSIX header without a platform guard: %s\n", file, FNR, $0
        }
    ' "$file"
done < <(find src tools tests -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.hpp' -o -name '*.c' \) \
    -print0 | sort -z))

if [ -n "$offences" ]; then
    sed 's/^/check-posix-headers: /' <<<"$offences"
    failed=1
fi

if [ "$failed" -ne 0 ]; then
    echo "check-posix-headers: FAILED"
    exit 1
fi
echo "check-posix-headers: no POSIX header outside src/link and tests (guarded) and tools/tripsim"
