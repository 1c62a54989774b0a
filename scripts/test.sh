#!/usr/bin/env bash
# Sets up, builds and runs every test: the whole suite, the whole suite again
# under a German locale (decimal comma), then the core tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"
scripts/setup.sh
# Every source file keeps the checked-in style.
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
scripts/build.sh
(cd build && ctest --output-on-failure --parallel 2)
# The desktop program takes the C locale from the environment; its number text must not.
(cd build && LC_ALL=de_DE.UTF-8 ctest --output-on-failure --parallel 2)

if [ ! -f build-sanitize/build.ninja ]; then
  cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTALLYROCK_CORE_ONLY=ON -DTALLYROCK_SANITIZE=ON
fi
cmake --build build-sanitize --parallel 2
(cd build-sanitize && ctest --output-on-failure --parallel 2)
