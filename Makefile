# Convenience targets; everything installs what it needs first.
#   make demo   - build (Release) and generate a site from the bundled example into ./site
#   make test   - build with sanitizers and run every test
#   make bench  - build (Release) the benchmarks
#   make fuzz-smoke - build the libFuzzer targets (clang) and run each for a
#                 fixed number of executions on its corpus
JOBS ?= $(shell nproc)
BUILD ?= build
TEST_BUILD ?= build-test
VELLIX_DEMO_HOME ?= $(CURDIR)/$(BUILD)/demo-home

.PHONY: deps build demo test bench fuzz-smoke clean

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DVELLIX_BUILD_TESTS=OFF >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target vellix

# The demo's own option set turns on citations, bibliography, repository
# pages, GENDEX and the multimedia galleries with portraits (and shows the
# emigration facts, whose pictures join the galleries), so the example shows
# every kind of page.
DEMO_SETTINGS = "bCitations yes" "bBiblioPages yes" "bRepositoryPages yes" "bGendex yes" \
	"bGalleries yes" "bIgnoreScrapbookFlag yes" "bIndivPortraits yes" "bFamilyPortraits yes" \
	"bCitationGallery yes" "bBiblioGallery yes" "bGalleryIcons yes" "bThumbCaption yes" \
	"bSlideDate yes" "bSlideDownload yes" "bOtherFacts yes" "factInclude.13 2"

demo: build
	@rm -rf site
	@for setting in $(DEMO_SETTINGS); do \
	  VELLIX_HOME="$(VELLIX_DEMO_HOME)" $(BUILD)/src/vellix options set $$setting --yes >/dev/null 2>&1; \
	done
	VELLIX_HOME="$(VELLIX_DEMO_HOME)" $(BUILD)/src/vellix generate examples/kowalski-moreau.ged -o site --yes

test: deps
	@cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVELLIX_SANITIZE=ON -DVELLIX_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(TEST_BUILD) -j $(JOBS)
	@cd $(TEST_BUILD) && ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVELLIX_BUILD_TESTS=OFF >/dev/null
	@cmake --build build-bench -j $(JOBS)

# The fuzz targets need clang and libFuzzer (libclang-rt-14-dev, installed
# by deps); see fuzz/README.md for longer runs.
fuzz-smoke: deps
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVELLIX_FUZZ=ON -DVELLIX_BUILD_TESTS=OFF -DVELLIX_BUILD_BENCH=OFF >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target fuzz-smoke

clean:
	rm -rf $(BUILD) $(TEST_BUILD) build-bench build-fuzz site
