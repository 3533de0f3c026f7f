// Before the core's script itself, as soon as it has come, while the page
// is still parsed: the core's WebAssembly, fetched and compiled as it comes
// (none where the page is opened as a file, which may fetch nothing).
var vexilCompiled = location.protocol === "file:" ? null
  : WebAssembly.compileStreaming(fetch("core.wasm"))
    // A server that calls it something else than application/wasm.
    .catch(() => fetch("core.wasm").then((response) => response.arrayBuffer()).then(WebAssembly.compile));
