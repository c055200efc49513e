// Starts the program from the WebAssembly stored in this page: deflated,
// then base64-encoded in the data block #rx-module, so the page is about
// half the size of the plain module and the script parses no module text.
// The first line of the script decodes it at once and hands it to the
// browser's own inflater (DecompressionStream), whose output the browser
// compiles as it streams in, off the main thread, while the rest of the
// script is parsed and run. (Fetching it as a data: URL instead took about
// 8 ms longer before the module was compiled.)
var radixelModule = (function() {
  var text = document.getElementById('rx-module').textContent;
  var deflated = Uint8Array.fromBase64 ? Uint8Array.fromBase64(text)
                                       : Uint8Array.from(atob(text), function(c) { return c.charCodeAt(0); });
  var inflate = new DecompressionStream('deflate'), writer = inflate.writable.getWriter();
  writer.write(deflated);
  writer.close();
  return WebAssembly.compileStreaming(new Response(inflate.readable, {headers: {'Content-Type': 'application/wasm'}}));
})();
var Module = {
  instantiateWasm: function(imports, done) {
    radixelModule.then(function(module) {
      return WebAssembly.instantiate(module, imports).then(function(instance) { done(instance, module); });
    });
    return {};
  }
};
