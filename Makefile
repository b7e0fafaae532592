# Зендрикс 2 — the two everyday commands:
#   make run    install what is missing, build, start the game
#   make test   install what is missing, build, run every test (the window
#               tests included, each on its own virtual X server)
# and, for developers:
#   make bench  build and run the benchmarks
#
# BUILD=dir picks another build folder, JOBS=n the number of parallel jobs.
#
# The developers' commands (test, all, bench) build with compiler warnings as
# errors (ZX_WERROR); the player's (run) shows them and builds on, unless the
# folder was already set up by a developer's command.

BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)
GAME  := $(BUILD)/game/zendrix2

.PHONY: run test bench deps configure configure-dev game all

deps:
	@bash .ci/install-deps.sh

configure: deps
	@if [ ! -f "$(BUILD)/build.ninja" ]; then \
	  cmake -S . -B "$(BUILD)" -G Ninja; \
	fi

configure-dev: deps
	@if [ ! -f "$(BUILD)/build.ninja" ] || ! grep -qx 'ZX_WERROR:BOOL=ON' "$(BUILD)/CMakeCache.txt"; then \
	  cmake -S . -B "$(BUILD)" -G Ninja -DZX_WERROR=ON; \
	fi

game: configure
	ninja -C "$(BUILD)" -j "$(JOBS)" zx_game_files

all: configure-dev
	ninja -C "$(BUILD)" -j "$(JOBS)"

run: game
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo ""; \
	  echo "Нет дисплея: переменные DISPLAY и WAYLAND_DISPLAY пусты, окно игры открыть негде."; \
	  echo "No display: neither DISPLAY nor WAYLAND_DISPLAY is set, so the game has nowhere to open its window."; \
	  echo ""; \
	  echo "  Start 'make run' from a desktop session, or run the game without a display:"; \
	  echo "    $(GAME) --headless 10000      (10 s of game time on a virtual clock, no window, no sound)"; \
	  echo "  or on a virtual X server:"; \
	  echo "    xvfb-run -a -s '-screen 0 1280x1024x24' $(GAME)"; \
	  echo ""; \
	  exit 1; \
	fi
	"$(GAME)"

test: all
	cd "$(BUILD)" && ctest --output-on-failure -j "$(JOBS)"

bench: configure-dev
	ninja -C "$(BUILD)" -j "$(JOBS)" zx_game_files zx_benchmarks
	bash bench/run.sh "$(BUILD)"
