# The two entry points of the project: `make run` and `make test`.
# Everything else here is a building block of those two.

JOBS ?= $(shell nproc)
GEN := -G Ninja

.PHONY: run test test-asan format-check translations-check deps-run deps-test build-release build-test build-asan bench fuzz package clean

run: deps-run build-release
	./build/release/src/app/brindlewick

test: deps-test format-check translations-check build-test
	cd build/test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The same tests built with AddressSanitizer and UBSan (the install checks need no second run).
test-asan: deps-test build-asan
	cd build/asan && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS) -LE 'heavy|install'

# The Debian package of a Release build, in build/release.
package: deps-test build-release
	cd build/release && cpack -G DEB

# Every C++ file as clang-format lays it out (scripts/check-format.sh --fix formats them),
# and no function in src/ over 80 lines but the report's two designed step lists.
format-check: deps-test
	./scripts/check-format.sh
	./scripts/function-lengths.sh >/dev/null

# Every text of the sources translated in every shipped language (lupdate into a scratch
# copy; scripts/update-translations.sh refreshes translations/*.ts).
translations-check: deps-test
	./scripts/check-translations.sh

deps-run:
	./scripts/install-deps.sh run

deps-test:
	./scripts/install-deps.sh test

build-release:
	cmake -S . -B build/release $(GEN) -DCMAKE_BUILD_TYPE=Release -DBW_BUILD_TESTS=OFF
	cmake --build build/release -j $(JOBS)

build-test:
	cmake -S . -B build/test $(GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBW_BUILD_TESTS=ON
	cmake --build build/test -j $(JOBS)

build-asan:
	cmake -S . -B build/asan $(GEN) -DCMAKE_BUILD_TYPE=Debug -DBW_BUILD_TESTS=ON -DBW_SANITIZE=ON -DBW_BUILD_BENCH=OFF
	cmake --build build/asan -j $(JOBS)

bench: deps-test build-test
	./bench/run-all.sh build/test

# The readers' fuzzers (clang, libFuzzer, ASan/UBSan), FUZZ_SECONDS seconds split among them.
FUZZ_SECONDS ?= 600
fuzz: deps-test
	./scripts/fuzz.sh $(FUZZ_SECONDS)

clean:
	rm -rf build
