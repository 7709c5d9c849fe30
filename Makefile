# The two commands of the project: `make run` and `make test`.
.PHONY: run test deps build build-ci test-asan format bench clean

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
	@$(MAKE) --no-print-directory test-asan

test-asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	@ctest --preset asan

format:
	@find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

bench: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release

clean:
	rm -rf build
