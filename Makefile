# make run: installs what is missing, builds, starts the game.
# make test: installs what is missing, builds, runs every test (then the core tests under sanitizers).
BUILD ?= build
ASAN ?= build-asan
WEB ?= build-web
FUZZ ?= build-fuzz
FUZZ_SECONDES ?= 30
JOBS ?= $(shell nproc)

.PHONY: all install build run test test-asan test-web fuzz bench format clean deb web

all: build

install:
	@bash outils/installer.sh

build: install
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

# The Debian package, in the build folder.
deb: build
	cmake --build $(BUILD) --target capture_paquet
	cd $(BUILD) && cpack -G DEB

run: build
	@if [ -x $(BUILD)/fenetres/qt/quarvel ]; then $(BUILD)/fenetres/qt/quarvel; \
	else $(BUILD)/quarvel-arene donnes --graine 1 --nombre 3; fi

# The site for browsers in $(WEB)/site, and quarvel-arene.js for node: the same C++ compiled by
# Debian's emscripten (its optimizer needs Debian's acorn), the page bundled by the web view's tools.
web: install
	NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B $(WEB) -DQUARVEL_QT=OFF -DCMAKE_BUILD_TYPE=Release
	NODE_PATH=/usr/share/nodejs cmake --build $(WEB) -j$(JOBS)
	cd fenetres/web && node construire.mjs ../../$(WEB) ../../$(WEB)/site

# The web build is the same game (bench signature, the monkey's digests), and the site plays in
# Debian's Chromium, headless, served on 127.0.0.1.
test-web: web build
	sh tests/web/noeud.sh $(WEB)/quarvel-arene.js $(BUILD)/quarvel-arene
	cd fenetres/web && QUARVEL_SITE=../../$(WEB)/site npx playwright test

# The sanitizer build, the fuzzer and the web first, so that the last lines are the summary of
# every test.
test: build
	$(MAKE) test-asan
	$(MAKE) fuzz
	$(MAKE) test-web
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

test-asan: install
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DQUARVEL_QT=OFF -DQUARVEL_SANITIZE=ON
	cmake --build $(ASAN) -j$(JOBS)
	cd $(ASAN) && ctest --output-on-failure -j$(JOBS)

# The settings loader under libFuzzer, for a bounded time.
fuzz: install
	cmake -S . -B $(FUZZ) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DQUARVEL_QT=OFF -DQUARVEL_FUZZ=ON
	cmake --build $(FUZZ) -j$(JOBS) --target fuzz_reglages
	mkdir -p $(FUZZ)/corpus
	$(FUZZ)/fuzz_reglages -max_total_time=$(FUZZ_SECONDES) -print_final_stats=1 $(FUZZ)/corpus

bench: build
	$(BUILD)/quarvel-bench

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN) $(FUZZ) $(WEB)
