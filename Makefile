# Entry points. Each one installs what is missing, configures and builds before it runs.
BUILD        ?= build
ASAN_BUILD   ?= build-asan
BENCH_BUILD  ?= build-release
FUZZ_SECONDS ?= 30
JOBS         ?= $(shell nproc)

.PHONY: test demo asan bench deps

deps:
	@bash scripts/install-deps.sh

test: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(BUILD) -j $(JOBS)
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

demo: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(BUILD) -j $(JOBS) --target zeledit-demo
	@mkdir -p $(BUILD)/demo
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then $(BUILD)/apps/zeledit-demo/zeledit-demo samples/welcome.zdf; \
	else $(BUILD)/apps/zeledit-demo/zeledit-demo samples/welcome.zdf --render $(BUILD)/demo/welcome.png; fi

asan: export LSAN_OPTIONS = suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0
asan: export UBSAN_OPTIONS = print_stacktrace=1
asan: deps
	CC=clang CXX=clang++ cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
		-DZELEDIT_SANITIZE=ON -DZELEDIT_FUZZ=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)
	bash scripts/run-fuzzers.sh $(ASAN_BUILD)/fuzz fuzz/corpus $(FUZZ_SECONDS)

bench: deps
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DZELEDIT_TESTS=OFF -DZELEDIT_BENCH=ON
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	bash scripts/run-benchmarks.sh $(BENCH_BUILD)/bench
