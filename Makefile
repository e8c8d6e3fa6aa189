# make run   - install what is missing, build and start the program
# make test  - install what is missing, build with sanitizers and run all tests
# make bench - build and run the benchmarks (release build)
# make fuzz  - install clang, build the fuzz harnesses and run each for FUZZ_SECONDS

JOBS ?= $(shell nproc)
# The program's folder (settings file, PROJECTS, MASTER, LANGUAGE) for
# `make run`: outside the build tree, so `make clean` never takes a
# configuration with it.
VASTRIMO_PROGRAM_DIR ?= $(or $(XDG_DATA_HOME),$(HOME)/.local/share)/VastrimoFirmWare
FUZZ_SECONDS ?= 60
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_DIR ?= $(HOME)/.cache/ccache

.PHONY: setup build run test bench fuzz clean

setup:
	@bash scripts/setup.sh

build: setup
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVASTRIMO_TESTS=OFF
	cmake --build build/release -j $(JOBS) --target VastrimoFirmWare

run: build
	@mkdir -p "$(VASTRIMO_PROGRAM_DIR)"
	@echo "Program folder (settings, PROJECTS, MASTER, LANGUAGE): $(VASTRIMO_PROGRAM_DIR)"
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found: starting on a virtual display (xvfb-run); nothing will show on screen."; \
	  VASTRIMO_PROGRAM_DIR="$(VASTRIMO_PROGRAM_DIR)" xvfb-run -a build/release/bin/VastrimoFirmWare; \
	else VASTRIMO_PROGRAM_DIR="$(VASTRIMO_PROGRAM_DIR)" build/release/bin/VastrimoFirmWare; fi

test: setup
	cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DVASTRIMO_SANITIZE=ON -DVASTRIMO_TESTS=ON
	cmake --build build/test -j $(JOBS)
	cd build/test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: setup
	cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DVASTRIMO_TESTS=OFF -DVASTRIMO_BENCH=ON
	cmake --build build/bench -j $(JOBS)
	for b in build/bench/bench/*; do if [ -f "$$b" ] && [ -x "$$b" ]; then \
	  QT_QPA_PLATFORM=$${QT_QPA_PLATFORM:-offscreen} "$$b" --benchmark_min_time=0.2 || exit 1; fi; done

fuzz:
	@bash scripts/setup.sh fuzz
	cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVASTRIMO_TESTS=OFF -DVASTRIMO_FUZZ=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
	cmake --build build/fuzz -j $(JOBS)
	bash scripts/run-fuzz.sh build/fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build
