# The two commands a new machine needs: `make run` and `make test`.
# Both install any missing Debian packages first (scripts/setup-debian.sh).

JOBS ?= $(shell nproc)
# The book the program opens on `make run`: the shipped sample, so a new user sees recipes at once.
ARGS ?= data/samples/sample.rcp
GENERATOR := -G Ninja
LAUNCHER := $(shell command -v ccache >/dev/null 2>&1 && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

.PHONY: setup run build test bench fuzz format clean

setup:
	@./scripts/setup-debian.sh

build: setup
	cmake -S . -B build/release $(GENERATOR) $(LAUNCHER) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSB_BUILD_TESTS=OFF
	cmake --build build/release -j $(JOBS)

run: build
	./build/release/bin/Savorbridge $(ARGS)

test: setup
	cmake -S . -B build/test $(GENERATOR) $(LAUNCHER) -DCMAKE_BUILD_TYPE=Debug -DSB_SANITIZE=ON
	cmake --build build/test -j $(JOBS)
	cd build/test && ctest --output-on-failure -j $(JOBS) --timeout 600

bench: setup
	cmake -S . -B build/bench $(GENERATOR) $(LAUNCHER) -DCMAKE_BUILD_TYPE=Release -DSB_BUILD_TESTS=OFF -DSB_BUILD_BENCH=ON
	cmake --build build/bench -j $(JOBS)
	for b in build/bench/bin/bench_*; do $$b; done

fuzz: setup
	cmake -S . -B build/fuzz $(GENERATOR) $(LAUNCHER) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DSB_FUZZ=ON -DSB_BUILD_TESTS=OFF -DSB_BUILD_SHELL=OFF
	cmake --build build/fuzz -j $(JOBS)

format:
	git ls-files '*.h' '*.cpp' | xargs clang-format -i

clean:
	rm -rf build
