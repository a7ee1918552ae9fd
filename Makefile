# `make run` and `make test`, which tools/run.sh and tools/test.sh call once make is there;
# `make package` builds the Debian package.
BUILD      ?= build
FUZZ_BUILD ?= build-fuzz
SAN_BUILD  ?= build-asan
SUB_BUILD  ?= build-sub
JOBS       ?= $(shell nproc)

.PHONY: deps configure build run test unit sanitize subproject fuzz bench package clean

deps:
	./tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLINE_WERROR=ON

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Installs what is missing, builds, and starts the program.
run: build
	./tools/start.sh $(BUILD)

# Installs what is missing, builds, runs every unit test, the same tests that need no display
# under AddressSanitizer and UndefinedBehaviorSanitizer, the subproject build, then the fuzz gate.
test: unit sanitize subproject fuzz

unit: build
	ctest --test-dir $(BUILD) --output-on-failure --timeout 300 -j $(JOBS)

sanitize: deps
	CC=clang CXX=clang++ cmake -S . -B $(SAN_BUILD) -DVORLINE_SANITIZE=ON -DVORLINE_BUILD_QT=OFF \
	  -DVORLINE_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLINE_WERROR=ON
	cmake --build $(SAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(SAN_BUILD) --output-on-failure --timeout 300 -j $(JOBS)

subproject: deps
	./tools/check-subproject.sh $(SUB_BUILD)

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DVORLINE_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVORLINE_WERROR=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	./tools/run-fuzz.sh $(FUZZ_BUILD)

bench: build
	./tools/run-bench.sh $(BUILD)

# vorline_<version>_<arch>.deb in the build folder.
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(SAN_BUILD) $(SUB_BUILD)
