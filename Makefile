# The front door: `make run` plays the game, `make test` runs every test.
# Both install what the build needs first (Debian packages through apt-get).

.PHONY: all deps run test test-asan bench fuzz clean

all: test

deps:
	@sh tools/install-deps.sh

build/build.ninja: deps
	cmake --preset release

run: deps build/build.ninja
	cmake --build --preset release --target gorbix
	cd build/bin && ./gorbix

test: deps build/build.ninja
	cmake --build --preset release
	ctest --preset release

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

bench: deps build/build.ninja
	cmake --build --preset release --target benches
	@for b in build/bench/bench_*; do echo "== $$b"; $$b --benchmark_min_time=0.2; done

fuzz: deps
	DEBIAN_FRONTEND=noninteractive apt-get install -y -qq clang >/dev/null 2>&1 || true
	cmake --preset fuzz
	cmake --build --preset fuzz

clean:
	rm -rf build build-debug build-asan build-fuzz
