// Starts the program from the WebAssembly stored in this page: deflated,
// then base64-encoded in the data block #rx-module, so the page is about
// half the size of the plain module and the script parses no module text.
// The browser decodes it (a data: URL), inflates it (DecompressionStream)
// and compiles it as it streams in, from the first line of the script on,
// while the rest of the script is parsed and run.
var radixelModule = fetch('data:application/wasm;base64,' + document.getElementById('rx-module').textContent)
  .then(function(response) {
    return WebAssembly.compileStreaming(new Response(response.body.pipeThrough(new DecompressionStream('deflate')),
                                                     {headers: {'Content-Type': 'application/wasm'}}));
  });
var Module = {
  instantiateWasm: function(imports, done) {
    radixelModule.then(function(module) {
      return WebAssembly.instantiate(module, imports).then(function(instance) { done(instance, module); });
    });
    return {};
  }
};
