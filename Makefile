# make run: installs what is missing, builds, starts the game.
# make test: installs what is missing, builds, runs every test (then the core tests under sanitizers).
BUILD ?= build
ASAN ?= build-asan
JOBS ?= $(shell nproc)

.PHONY: all install build run test test-asan bench format clean

all: build

install:
	@bash outils/installer.sh

build: install
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

run: build
	@if [ -x $(BUILD)/fenetres/qt/quarvel ]; then $(BUILD)/fenetres/qt/quarvel; \
	else $(BUILD)/quarvel-arene donnes --graine 1 --nombre 3; fi

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	$(MAKE) test-asan

test-asan: install
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DQUARVEL_QT=OFF -DQUARVEL_SANITIZE=ON
	cmake --build $(ASAN) -j$(JOBS)
	cd $(ASAN) && ctest --output-on-failure -j$(JOBS)

bench: build
	$(BUILD)/quarvel-bench

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN)
