# The two commands of the project: `make run` and `make test`.
.PHONY: run test deps build build-ci test-asan fuzz fuzz-smoke format lint lint-all bench clean

# Seconds each fuzz harness runs in `make fuzz`.
FUZZ_SECONDS ?= 60

deps:
	@sh scripts/install-deps.sh

build: deps
	@cmake --preset dev >/dev/null
	@cmake --build --preset dev

run: build
	@if [ -x build/dev/src/notavi/notavi ] && { [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; }; then \
		build/dev/src/notavi/notavi; \
	else \
		[ -x build/dev/src/notavi/notavi ] && echo "Keine grafische Anzeige gefunden: es folgt die Terminansicht im Terminal."; \
		build/dev/src/cli/notavi-cli; \
	fi

build-ci: deps
	@cmake --preset ci >/dev/null
	@cmake --build --preset ci

test: build-ci
	@ctest --preset ci
	@$(MAKE) --no-print-directory lint
	@$(MAKE) --no-print-directory test-asan
	@$(MAKE) --no-print-directory fuzz-smoke

test-asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	@ctest --preset asan

fuzz: deps
	@sh scripts/fuzz.sh $(FUZZ_SECONDS)

# 30 seconds per harness; needs clang's libFuzzer runtime, skipped without it.
fuzz-smoke:
	@if command -v clang++ >/dev/null 2>&1 && \
		dpkg-query -W -f='$${Status}' libclang-rt-14-dev 2>/dev/null | grep -q "install ok installed"; then \
		sh scripts/fuzz.sh 30; \
	else \
		echo "fuzz-smoke übersprungen: clang++ oder libclang-rt-14-dev fehlt"; \
	fi

# clang-format over all sources, clang-tidy over the core and the CLI. The desktop program doubles
# clang-tidy's time (its Qt headers), so it is linted by `make lint-all` only.
lint:
	@cmake --preset ci >/dev/null
	@sh scripts/lint.sh src/core src/cli

lint-all:
	@cmake --preset ci >/dev/null
	@sh scripts/lint.sh src/core src/cli src/gui src/notavi

format:
	@find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

bench: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release

clean:
	rm -rf build
