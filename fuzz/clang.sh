# Sourced by the fuzz scripts: installs clang with libFuzzer when it is
# missing and sets FLAGS, the sanitizer build flags every target shares.
if ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get install -y -qq --no-install-recommends clang libclang-rt-14-dev || \
  $SUDO apt-get install -y -qq --no-install-recommends clang
fi
FLAGS="-std=c++20 -g -O1 -fPIC -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined"
