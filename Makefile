# The two everyday commands:
#   make run    build Tessera and start it from the assembled program folder
#   make test   build and run the whole test suite (sanitizers included)
# Both install missing Debian packages first (tools/debian-packages.txt).

BUILD      ?= build
JOBS       ?= $(shell nproc)
GENERATOR  := -G Ninja
CONFIGURE  := cmake $(GENERATOR) -S . -Wno-dev
FUZZ_SECONDS ?= 20

.PHONY: all deps build program run test test-release test-asan test-tsan fuzz fuzz-smoke bench clean

all: build

deps:
	@tools/install-deps

# The release build holds the program folder that `make run` starts. Warnings
# are errors in the test builds, not here: a user's build should not stop on one.
$(BUILD)/release/build.ninja:
	$(CONFIGURE) -B $(BUILD)/release -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/release/build.ninja
	cmake --build $(BUILD)/release -j $(JOBS)

# Only the program folder and the emulator: a test that does not build must
# not keep the program from starting.
program: deps $(BUILD)/release/build.ninja
	cmake --build $(BUILD)/release -j $(JOBS) --target tessera_program

run: program
	@tools/run-tessera $(BUILD)/release

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer, the
# threaded tests under ThreadSanitizer, and a short run of every fuzz target.
# The sanitizer run of the whole suite comes last, so its CTest summary ends the output.
test: deps fuzz-smoke test-tsan test-asan

test-release: $(BUILD)/release/build.ninja
	cmake --build $(BUILD)/release -j $(JOBS)
	ctest --test-dir $(BUILD)/release --output-on-failure -j $(JOBS)

$(BUILD)/asan/build.ninja:
	$(CONFIGURE) -B $(BUILD)/asan -DCMAKE_BUILD_TYPE=Debug -DTESSERA_WERROR=ON \
	  -DTESSERA_SANITIZE=address,undefined -DTESSERA_BUILD_BENCHMARKS=OFF

test-asan: $(BUILD)/asan/build.ninja
	cmake --build $(BUILD)/asan -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tools/sanitizers/lsan.supp \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(BUILD)/asan --output-on-failure -j $(JOBS)

$(BUILD)/tsan/build.ninja:
	$(CONFIGURE) -B $(BUILD)/tsan -DCMAKE_BUILD_TYPE=Debug -DTESSERA_WERROR=ON \
	  -DTESSERA_SANITIZE=thread -DTESSERA_BUILD_BENCHMARKS=OFF

# Only the executables labelled "threads" are built and run here.
test-tsan: $(BUILD)/tsan/build.ninja
	@cmake -S . -B $(BUILD)/tsan >/dev/null # refresh the test list: new test folders appear only on configure
	@targets=$$(ctest --test-dir $(BUILD)/tsan -N -L threads 2>/dev/null | sed -n 's/^ *Test *#[0-9]*: //p'); \
	if [ -n "$$targets" ]; then \
	  cmake --build $(BUILD)/tsan -j $(JOBS) --target $$targets && \
	  TSAN_OPTIONS=halt_on_error=1:suppressions=$(CURDIR)/tools/sanitizers/tsan.supp \
	    ctest --test-dir $(BUILD)/tsan --output-on-failure -j $(JOBS) -L threads; \
	else echo "no tests labelled threads"; fi

$(BUILD)/fuzz/build.ninja:
	CC=clang CXX=clang++ $(CONFIGURE) -B $(BUILD)/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTESSERA_FUZZ=ON -DTESSERA_BUILD_BENCHMARKS=OFF

# `make fuzz FUZZ_SECONDS=300` runs every fuzz target for that long.
fuzz fuzz-smoke: $(BUILD)/fuzz/build.ninja
	cmake --build $(BUILD)/fuzz -j $(JOBS) --target fuzzers
	tools/run-fuzzers $(BUILD)/fuzz $(FUZZ_SECONDS)

bench: build
	@for b in $(BUILD)/release/bin/bench_*; do [ -x "$$b" ] && "$$b"; done; true

clean:
	rm -rf $(BUILD)
