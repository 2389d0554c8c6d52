# Kumora Shogi: set-up, build, run and test.
#   make run    installs what is missing (as root), builds and starts the game
#   make test   the same set-up, then every test, headless
#   make bench  the benchmarks
#   make fuzz   the fuzzers of the record file, the settings file and the network protocol's
#               lines (FUZZ_SECONDS each, 60)
#   make package  the Debian package kumora-shogi_VERSION_amd64.deb, in the build directory

BUILD_DIR ?= build
RUN_DIR := $(BUILD_DIR)/run
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
# Extra options for the first configuration, e.g. CMAKE_ARGS=-DKUMORA_WERROR=ON
CMAKE_ARGS ?=

.PHONY: all setup configure build run test bench fuzz install package clean

all: build

setup:
	@./scripts/setup.sh

configure: setup
	@if [ ! -f $(BUILD_DIR)/build.ninja ]; then \
	  cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS); fi

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found (DISPLAY and WAYLAND_DISPLAY are empty)."; \
	  echo "Start the game from a desktop session with 'make run', or run it in a"; \
	  echo "virtual screen:  xvfb-run -a make run"; \
	  echo "The game itself is $(BUILD_DIR)/kumora-shogi, started in $(RUN_DIR)."; \
	  exit 1; fi
	cd $(RUN_DIR) && ../kumora-shogi

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
	  ctest --output-on-failure -j $(JOBS)

bench: build
	cmake --build $(BUILD_DIR) --target bench

fuzz: build
	FUZZ_BUILD_DIR=$(BUILD_DIR)/fuzz ./scripts/fuzz.sh $(or $(FUZZ_SECONDS),60)

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

package: build
	cmake --build $(BUILD_DIR) --target package

clean:
	rm -rf $(BUILD_DIR)
