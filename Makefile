# The README's commands: `make run [FILE=path]` starts the editor, `make test` runs every test:
# the suite, the suite again under AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz
# targets, which share SMOKE_SECONDS between them. `make fuzz` runs each target for FUZZ_SECONDS.
BUILD_DIR ?= build
SANITIZE_DIR ?= build-asan
JOBS ?= 2
SMOKE_SECONDS ?= 80
FUZZ_SECONDS ?= 300

.PHONY: deps build sanitize-build run test fuzz fuzz-seeds bench screenshots format clean

deps:
	@./scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	./$(BUILD_DIR)/tessaline $(FILE)

# clang, so that the same build links the fuzz targets; Debug, so that reports name the lines.
sanitize-build: deps
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
	  -DTESSALINE_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_DIR) -j$(JOBS)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	@$(MAKE) --no-print-directory sanitize-build
	cd $(SANITIZE_DIR) && ctest --output-on-failure -j$(JOBS)
	./scripts/run-fuzzers.sh $(SANITIZE_DIR) --share $(SMOKE_SECONDS) $(JOBS)

fuzz: sanitize-build
	./scripts/run-fuzzers.sh $(SANITIZE_DIR) $(FUZZ_SECONDS) $(JOBS)

# Writes the seed corpora in fuzz/corpus anew with our own writers.
fuzz-seeds: sanitize-build
	QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=scripts/lsan-suppressions.txt \
	  ./$(SANITIZE_DIR)/fuzz/tessaline_fuzz_seeds fuzz/corpus

bench: build
	@for b in $(BUILD_DIR)/tessaline_bench_*; do \
	  [ -f "$$b" ] && [ -x "$$b" ] || continue; \
	  echo "== $$b"; QT_QPA_PLATFORM=offscreen "$$b" || exit 1; \
	done

# The README's pictures, made anew with the real program on a virtual display.
screenshots: build
	@./scripts/install-deps.sh xvfb openbox xdotool x11-xkb-utils x11-utils imagemagick
	./scripts/screenshots.sh $(BUILD_DIR) docs/screenshots

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
