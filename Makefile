# Set-up and everyday commands. Every target installs what it needs on a fresh machine first.
#   make demo    build and run `misctool demo`, the library's main scenario
#   make test    build and run every test through CTest; ends with "N passed, M failed"
#   make asan    the tests again under AddressSanitizer and UndefinedBehaviorSanitizer
#   make bench   build and run the benchmarks
#   make fuzz    build the fuzz targets with clang and run each briefly
#   make gallery write PNGs of the library's windows into build/gallery

PRESET ?= release
JOBS ?= $(shell nproc)
BUILD = build/$(PRESET)

# ccache hits across clones of the repository: paths are hashed relative to the checkout.
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

.PHONY: all deps configure build demo test asan bench fuzz gallery clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

demo: build
	@$(BUILD)/tools/misctool/misctool demo

test: build
	@scripts/run-tests.sh $(BUILD)

asan:
	@$(MAKE) --no-print-directory test PRESET=asan

bench: build
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; $$b --benchmark_min_time=0.2; done

fuzz: deps
	@scripts/run-fuzzers.sh $(or $(FUZZ_SECONDS),10)

gallery: build
	@$(BUILD)/tools/misctool/misctool gallery --out build/gallery

clean:
	rm -rf build
