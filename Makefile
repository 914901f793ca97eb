# Entry points for people and CI. Each target installs what is missing first.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: setup build run test sanitize tsan locale-test clean

setup:
	@bash scripts/setup.sh

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

# The main job of the command-line host on bundled data: the sample's points, lines and areas,
# each converted into a shapefile set of its own under build/sample-out, then the summary of
# each result as the host reads it back.
SAMPLE_OUT = $(BUILD)/sample-out
run: build
	rm -rf $(SAMPLE_OUT)
	@for kind in POINTS POLYLINES POLYGONS; do \
	  mkdir -p $(SAMPLE_OUT)/$$kind && \
	  $(BUILD)/bin/exchange convert data/sample/site_$$kind.shp $(SAMPLE_OUT)/$$kind --to SHP --code-desc --quiet && \
	  echo "== data/sample/site_$$kind.shp converted to $(SAMPLE_OUT)/$$kind/site.shp" && \
	  $(BUILD)/bin/exchange info $(SAMPLE_OUT)/$$kind/site.shp || exit 1; \
	done

test: build
	ctest --test-dir $(BUILD) -j $(JOBS) --output-on-failure

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: setup
	$(MAKE) test BUILD=build-asan CMAKE_FLAGS="-DCMAKE_BUILD_TYPE=Debug -DEXCHCORE_SANITIZE=address,undefined"

# The tests that run jobs on threads, under ThreadSanitizer.
TSAN_TESTS ?= Thread|Message|Loader|Worker|JobCommand
tsan: setup
	cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DEXCHCORE_SANITIZE=thread >/dev/null
	cmake --build build-tsan -j $(JOBS)
	TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build-tsan -j $(JOBS) --output-on-failure -R '$(TSAN_TESTS)'

# The suite of the default build again under a comma-decimal locale.
locale-test: build
	LC_ALL=de_DE.UTF-8 ctest --test-dir $(BUILD) -j $(JOBS) --output-on-failure

# The readers' libFuzzer targets (clang), each run a bounded number of times over its seed corpus.
FUZZ_RUNS ?= 3000
fuzz: setup
	@command -v clang++ >/dev/null || { echo "fuzz: clang++ is not installed; skipped"; exit 0; }; \
	cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DEXCHCORE_SANITIZE=address,undefined -DEXCHCORE_FUZZ=ON >/dev/null && \
	cmake --build build-fuzz -j $(JOBS) --target fuzzers && \
	rm -rf build-fuzz/corpus && build-fuzz/bin/make_fuzz_seeds build-fuzz/corpus data/sample build-fuzz/bin/Geo && \
	for f in FuzzShapefile FuzzCrossLink FuzzProjection FuzzXml FuzzSettingsFile FuzzTextLines; do \
	  build-fuzz/bin/$$f -runs=$(FUZZ_RUNS) -max_len=16384 build-fuzz/corpus/$$f 2>build-fuzz/$$f.log || \
	    { tail -40 build-fuzz/$$f.log; exit 1; }; echo "fuzz: $$f ran $(FUZZ_RUNS) inputs"; done

clean:
	rm -rf build build-asan build-tsan build-fuzz
