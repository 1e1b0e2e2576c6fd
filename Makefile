# The two commands a newcomer needs: `make run` and `make test`.
BUILD ?= build

.PHONY: run test bench package deps build clean

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
