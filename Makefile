# Front door. `make test` and `make run` work on a fresh Debian machine.
JOBS      ?= 2
GENERATOR ?= Ninja
FUZZ_SECONDS ?= 30
BUILD     := build

configure = cmake -S . -B $(1) -G $(GENERATOR) $(2) >/dev/null

.PHONY: all setup build test run bench sanitize tsan fuzz clean

all: build

setup:
	@scripts/setup.sh

build: setup
	@$(call configure,$(BUILD),)
	cmake --build $(BUILD) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

run: build
	@scripts/run-console.sh $(BUILD)

bench: setup
	@$(call configure,$(BUILD),-DBTM_BENCH=ON)
	cmake --build $(BUILD) -j $(JOBS) --target benches
	@scripts/run-benches.sh $(BUILD)/benches.txt

# ASan+UBSan build of the Qt-free cores and their tests.
sanitize: setup
	@$(call configure,build-asan,-DCMAKE_BUILD_TYPE=RelWithDebInfo -DBTM_GUI=OFF -DBTM_BENCH=OFF -DBTM_SANITIZE=address$(,)undefined)
	cmake --build build-asan -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir build-asan --output-on-failure -j $(JOBS)

# ThreadSanitizer build of the link tests (the threaded serial channel and command layer).
tsan: setup
	@$(call configure,build-tsan,-DCMAKE_BUILD_TYPE=RelWithDebInfo -DBTM_GUI=OFF -DBTM_BENCH=OFF -DBTM_SANITIZE=thread)
	cmake --build build-tsan -j $(JOBS)
	TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build-tsan --output-on-failure -L 'link|sim' -j $(JOBS)

# libFuzzer targets, built with clang, each run for FUZZ_SECONDS.
fuzz: setup
	@$(call configure,build-fuzz,-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DBTM_GUI=OFF -DBTM_BENCH=OFF -DBTM_FUZZ=ON -DBTM_SANITIZE=address$(,)undefined)
	cmake --build build-fuzz -j $(JOBS) --target fuzzers
	@scripts/run-fuzzers.sh build-fuzz/fuzzers.txt $(FUZZ_SECONDS)

clean:
	rm -rf build build-asan build-tsan build-fuzz

, := ,
