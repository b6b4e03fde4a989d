# RegRepair: a 32-bit Windows tool, cross-built with MinGW-w64 and tested under
# Wine. Every target installs what it is missing first (Debian 12, as root).
SHELL := /bin/bash
FUZZ_SECONDS ?= 60
XVFB := xvfb-run -a -s "-screen 0 1920x1080x24"
FUZZERS := fuzz_to_big5 fuzz_path_trim fuzz_profile_args fuzz_filter_list

.PHONY: all deps build test fuzz run screenshots clean

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

# The tool under Wine: its window on your display, or without one a sample
# repair in the sandbox prefix (tools/run-tool says more).
run: build
	@tools/run-tool

# The README's pictures of the window before and after a sample repair.
screenshots: build
	tools/run-tool --screenshots docs/screenshots

clean:
	rm -rf build
