# make run   — install what is missing, build, start the editor
# make test  — the same, then every test
BUILD_DIR ?= build
ASAN_DIR  ?= build-asan
FUZZ_DIR  ?= build-fuzz
JOBS      ?= $(shell nproc)
FUZZ_SECONDS ?= 30
CMAKE_GENERATOR ?= Ninja

.PHONY: deps configure build run test test-asan bench fuzz fuzz-build fuzz-smoke clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G $(CMAKE_GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS) >/dev/null

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: configure
	cmake --build $(BUILD_DIR) -j$(JOBS) --target vortelle
	$(BUILD_DIR)/app/vortelle $(ARGS)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# The whole test suite once more under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	@cmake -S . -B $(ASAN_DIR) -G $(CMAKE_GENERATOR) -DCMAKE_BUILD_TYPE=Debug \
	  -DVORTELLE_SANITIZE=ON -DVORTELLE_BENCH=OFF $(CMAKE_ARGS) >/dev/null
	cmake --build $(ASAN_DIR) -j$(JOBS)
	cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j$(JOBS)

# Every benchmark program of bench/, one after the other.
bench: build
	@set -e; for b in $(BUILD_DIR)/bench/vortelle_*bench; do \
	  echo "== $$(basename $$b)"; QT_QPA_PLATFORM=offscreen $$b $(BENCH_ARGS); done

$(FUZZ_DIR)/build.ninja:
	cmake -S . -B $(FUZZ_DIR) -G $(CMAKE_GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DVORTELLE_FUZZ=ON >/dev/null

fuzz-build: deps $(FUZZ_DIR)/build.ninja
	cmake --build $(FUZZ_DIR) -j$(JOBS) --target fuzz_label_file fuzz_bmp

# Each fuzzer for FUZZ_SECONDS on a copy of its seed corpus; any crash, leak or
# oversized allocation fails the run.
fuzz-smoke: fuzz-build
	@bash scripts/run-fuzzers.sh $(FUZZ_DIR)/fuzz $(FUZZ_SECONDS)

fuzz: fuzz-build
	@bash scripts/run-fuzzers.sh $(FUZZ_DIR)/fuzz 600

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)
