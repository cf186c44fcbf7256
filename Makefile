# make run   builds velmarind.exe and starts it under Wine (see scripts/run-velmarind)
# make test  builds the native, sanitize and windows presets and runs their tests, then
#            runs the fuzz targets (fuzz preset): the filter language, the file readers
.PHONY: run test deps

JOBS ?= $(shell nproc)

deps:
	@scripts/install-deps

# Configures a preset once; after that the build configures itself again when needed.
build/%/build.ninja: | deps
	cmake --preset $*

run: deps build/windows/build.ninja
	cmake --build build/windows --target velmarind
	scripts/run-velmarind

test: deps build/native/build.ninja build/sanitize/build.ninja build/windows/build.ninja \
		build/fuzz/build.ninja
	cmake --build build/native
	ctest --test-dir build/native --output-on-failure -j $(JOBS)
	cmake --build build/sanitize
	ctest --test-dir build/sanitize --output-on-failure -j $(JOBS)
	cmake --build build/windows
	ctest --test-dir build/windows --output-on-failure
	cmake --build build/fuzz
	ctest --test-dir build/fuzz --output-on-failure -j $(JOBS)
