# Lecterna: the two commands of the README, and a few more for developers.
#   make run     set up, build, and open the reader on the sample book
#   make test    set up, build with sanitizers, and run every test headless
#   make bench   set up, build optimised, and run the benchmarks
#   make fuzz    run each fuzz target for longer (FUZZ_SECONDS each)

RELEASE := build/release
TESTBUILD := build/test
FUZZBUILD := build/fuzz
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 300
BOOK ?= data/sample-book.txt

.PHONY: run test bench fuzz setup release test-build fuzz-build format clean

setup:
	@scripts/setup.sh

release: setup
	@cmake -S . -B $(RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLECTERNA_TESTS=OFF >/dev/null
	@cmake --build $(RELEASE) -j $(JOBS)

run: release
	$(RELEASE)/lecterna $(BOOK)

test-build: setup
	@cmake -S . -B $(TESTBUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLECTERNA_SANITIZE=ON >/dev/null
	@cmake --build $(TESTBUILD) -j $(JOBS)

fuzz-build: setup
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZBUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLECTERNA_FUZZ=ON -DLECTERNA_GUI=OFF >/dev/null
	@cmake --build $(FUZZBUILD) -j $(JOBS)

test: test-build fuzz-build
	cd $(TESTBUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cd $(FUZZBUILD) && ctest --output-on-failure -j $(JOBS)

bench: release
	@scripts/setup.sh bench
	bench/run.sh $(RELEASE)

fuzz: fuzz-build
	scripts/fuzz.sh $(FUZZBUILD) $(FUZZ_SECONDS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
