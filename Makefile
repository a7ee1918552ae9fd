# The two commands a newcomer needs: `make run` and `make test`.
BUILD      ?= build
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)

.PHONY: deps configure build run test unit fuzz bench clean

deps:
	./tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Installs what is missing, builds, and starts the program.
run: build
	./tools/start.sh $(BUILD)

# Installs what is missing, builds, runs every unit test, then the fuzz gate.
test: unit fuzz

unit: build
	ctest --test-dir $(BUILD) --output-on-failure --timeout 300 -j $(JOBS)

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DVORLINE_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	./tools/run-fuzz.sh $(FUZZ_BUILD)

bench: build
	./tools/run-bench.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
