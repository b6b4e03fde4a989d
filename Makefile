# RegRepair: a 32-bit Windows tool, cross-built with MinGW-w64 and tested under
# Wine. Every target installs what it is missing first (Debian 12, as root).
SHELL := /bin/bash
FUZZ_SECONDS ?= 60
XVFB := xvfb-run -a -s "-screen 0 1920x1080x24"
FUZZERS := fuzz_to_big5 fuzz_path_trim fuzz_profile_args fuzz_filter_list

.PHONY: all deps build test fuzz run clean

all: build

deps:
	@tools/install-deps

build: deps
	cmake --preset host >/dev/null
	cmake --build --preset host
	cmake --preset windows >/dev/null
	cmake --build --preset windows

# Both builds' tests, natively and under Wine, then one line of counts.
test: build
	rm -f build/host/results/*.xml build/windows/results/*.xml
	-ctest --preset host --output-junit ctest-junit.xml
	-$(XVFB) ctest --preset windows --output-junit ctest-junit.xml
	@tools/test-summary build/host build/windows

# Each fuzzer for FUZZ_SECONDS, keeping what it finds under build/host/corpus.
fuzz: build
	for f in $(FUZZERS); do \
	    mkdir -p build/host/corpus/$$f && \
	    build/host/tests/fuzz/$$f -max_total_time=$(FUZZ_SECONDS) build/host/corpus/$$f || exit 1; \
	done

run: build
	@echo "The repair logic is built and tested (make test); the tool's window is not built yet."

clean:
	rm -rf build
