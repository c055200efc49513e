// Starts the program from the WebAssembly stored in this page: deflated,
// then base64-encoded, so the page is about half the size of the plain
// module. The browser decodes it (a data: URL), inflates it
// (DecompressionStream) and compiles it as it streams in.
var Module = {
  instantiateWasm: function(imports, done) {
    var inflated = fetch('data:application/wasm;base64,' + radixelWasm).then(function(response) {
      return new Response(response.body.pipeThrough(new DecompressionStream('deflate')),
                          {headers: {'Content-Type': 'application/wasm'}});
    });
    WebAssembly.instantiateStreaming(inflated, imports).then(function(result) {
      done(result.instance, result.module);
    });
    return {};
  }
};
