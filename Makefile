# The front door: `make run` plays the game, `make test` runs every test.
# Both install what the build needs first (Debian packages through apt-get).

.PHONY: all deps run test test-asan bench package fuzz translations clean

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

package: build/build.ninja
	cmake --build --preset release
	cd build && cpack -G DEB
	@ls build/gorbix_*.deb

bench: deps build/build.ninja
	cmake --build --preset release --target benches
	@for b in build/bench/bench_*; do [ -f "$$b" ] && [ -x "$$b" ] || continue; echo "== $$b"; $$b --benchmark_min_time=0.2 || exit 1; done

fuzz: deps
	@missing=""; \
	for p in clang libclang-rt-14-dev; do \
	  dpkg-query -W -f='$${Status}' "$$p" 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  sudo=""; [ "$$(id -u)" -ne 0 ] && sudo="sudo"; \
	  echo "Installing:$$missing"; \
	  $$sudo apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y -qq --no-install-recommends $$missing; \
	fi
	cmake --preset fuzz
	cmake --build --preset fuzz --target fuzzers
	@echo "Run: build-fuzz/fuzz/fuzz_profile -max_total_time=600 build-fuzz/corpus fuzz/corpus"

# Brings translations/*.ts up to date with the texts in the code (lupdate),
# dropping the ones the code no longer has.
translations: deps build/build.ninja
	cmake --build --preset release --target update_translations

clean:
	rm -rf build build-debug build-asan build-fuzz
