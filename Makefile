# The two commands a newcomer needs: `make run` and `make test`.
BUILD ?= build

.PHONY: run test bench package deps build clean sanitize-build sanitize fuzz coverage

deps:
	./scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -G Ninja
	cmake --build $(BUILD)

run: build
	$(BUILD)/app/norvel

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j2

RESULTS = $(BUILD)/bench/results

bench: build
	cmake --build $(BUILD) --target benches
	mkdir -p $(RESULTS)
	for b in $(BUILD)/bench/bin/*; do \
	    QT_QPA_PLATFORM=offscreen $$b --benchmark_out=$(RESULTS)/$$(basename $$b).json \
	        --benchmark_out_format=json || exit 1; \
	done
	$(BUILD)/bench/programs/norvel-bench-summary $(RESULTS)

# The Debian package, norvel_<version>_<arch>.deb in the build folder.
package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD)

# The checking build: clang, AddressSanitizer and UBSan on everything, and the fuzzers.
ASAN_BUILD ?= build-asan
FUZZ_SECONDS ?= 45
# clang 14's leak checker misreads the dynamic TLS of a thread that has ended under Debian 12's
# glibc and crashes while scanning it; not intercepting __tls_get_addr avoids that scan.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/sanitize/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:suppressions=$(CURDIR)/sanitize/ubsan.supp

sanitize-build: deps
	CC=clang CXX=clang++ cmake -S . -B $(ASAN_BUILD) -G Ninja -DNORVEL_SANITIZE=ON -DNORVEL_FUZZ=ON
	$(SANITIZER_ENV) cmake --build $(ASAN_BUILD)

sanitize: sanitize-build
	$(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen ctest --test-dir $(ASAN_BUILD) --output-on-failure -j2

fuzz: sanitize-build
	$(SANITIZER_ENV) fuzz/run $(ASAN_BUILD) $(FUZZ_SECONDS)

# Line, function and branch coverage of src/ by the whole suite: a gcc Debug build of its own,
# counters zeroed first so that a second run reports that run alone.
COVERAGE_BUILD ?= build-coverage
COVERAGE_DATA = $(COVERAGE_BUILD)/coverage.json

coverage: deps
	cmake -S . -B $(COVERAGE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	    -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage
	cmake --build $(COVERAGE_BUILD) -j2
	find $(COVERAGE_BUILD) -name '*.gcda' -delete
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(COVERAGE_BUILD) --output-on-failure -j2
	gcovr --root . --filter src/ --exclude '.*_autogen/' -j2 --json $(COVERAGE_DATA) $(COVERAGE_BUILD)
	gcovr --add-tracefile $(COVERAGE_DATA) --root .
	gcovr --add-tracefile $(COVERAGE_DATA) --root . --branches --print-summary \
	    > $(COVERAGE_BUILD)/summary.txt
	cat $(COVERAGE_BUILD)/summary.txt
	awk '{ f[$$1] = $$2 } END { printf "coverage of src/: lines %s, functions %s, branches %s\n", \
	    f["lines:"], f["functions:"], f["branches:"] }' $(COVERAGE_BUILD)/summary.txt
