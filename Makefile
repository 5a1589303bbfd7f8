# Entry points. Each one installs what is missing, configures and builds before it runs.
BUILD        ?= build
ASAN_BUILD   ?= build-asan
RELEASE_BUILD ?= build-release
# The library before the scale work, whose figures `make bench` sets beside today's.
BENCH_BEFORE ?= b414505
BEFORE_BUILD ?= build-bench-before
FUZZ_SECONDS ?= 30
JOBS         ?= $(shell nproc)
# ON in CI: a warning fails the build.
WERROR       ?= OFF
PREFIX       ?= /usr/local

.PHONY: test demo asan fuzz-long bench deps install lint docs

deps:
	@bash scripts/install-deps.sh

test: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZELEDIT_WERROR=$(WERROR)
	cmake --build $(BUILD) -j $(JOBS)
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The demo edits its own copy of the sample (made once, so earlier edits are kept); it builds
# what installing needs too.
demo: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(BUILD) -j $(JOBS) --target zeledit zdfconv zeledit-demo
	@mkdir -p $(BUILD)/demo
	@cp -n samples/welcome.zdf $(BUILD)/demo/welcome.zdf
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then $(BUILD)/apps/zeledit-demo/zeledit-demo $(BUILD)/demo/welcome.zdf; \
	else $(BUILD)/apps/zeledit-demo/zeledit-demo $(BUILD)/demo/welcome.zdf --render $(BUILD)/demo/welcome.png; fi

# The library, its headers, pkg-config and CMake files, the accent tables and zdfconv under PREFIX.
install: deps
	cmake -S . -B $(RELEASE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DZELEDIT_TESTS=OFF
	cmake --build $(RELEASE_BUILD) -j $(JOBS) --target zeledit zdfconv accent-tables
	cmake --install $(RELEASE_BUILD) --prefix $(PREFIX)

asan: export LSAN_OPTIONS = suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0
asan: export UBSAN_OPTIONS = print_stacktrace=1
asan: deps
	CC=clang CXX=clang++ cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
		-DZELEDIT_SANITIZE=ON -DZELEDIT_FUZZ=ON -DZELEDIT_WERROR=$(WERROR)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)
	bash scripts/run-fuzzers.sh $(ASAN_BUILD)/fuzz fuzz/corpus $(FUZZ_SECONDS)

# The reference pages of the public headers, from their comments; any Doxygen warning fails.
docs: deps
	@mkdir -p $(BUILD)/reference
	DOXYGEN_OUTPUT=$(BUILD)/reference doxygen docs/Doxyfile
	@echo "make docs: $(BUILD)/reference/html/index.html"

# clang-tidy over src/ with the checks of .clang-tidy; any finding fails. Compiler warnings
# are the builds' to report (-w): GCC's flags mean more to clang (-Wconversion).
lint: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZELEDIT_WERROR=$(WERROR)
	run-clang-tidy -p $(BUILD) -j $(JOBS) -quiet -extra-arg=-w "$(CURDIR)/src/" > $(BUILD)/lint.log 2>&1 \
		|| { sed "s/\x1b\[[0-9;]*m//g" $(BUILD)/lint.log | grep -E "(warning|error):" | sort -u; echo "make lint: findings above"; exit 1; }
	@echo "make lint: clean"

# Every fuzzer for FUZZ_SECONDS each, the inputs that reach new code merged into fuzz/corpus
# (commit them: CI starts from the corpus).
fuzz-long: export LSAN_OPTIONS = suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0
fuzz-long: deps
	CC=clang CXX=clang++ cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
		-DZELEDIT_SANITIZE=ON -DZELEDIT_FUZZ=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	bash scripts/run-fuzzers.sh $(ASAN_BUILD)/fuzz fuzz/corpus $(FUZZ_SECONDS) merge

bench: deps
	cmake -S . -B $(RELEASE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DZELEDIT_TESTS=OFF -DZELEDIT_BENCH=ON
	cmake --build $(RELEASE_BUILD) -j $(JOBS)
	bash scripts/build-bench-before.sh $(BENCH_BEFORE) $(BEFORE_BUILD)
	bash scripts/run-benchmarks.sh $(RELEASE_BUILD)/bench $(BEFORE_BUILD)/build/bench
