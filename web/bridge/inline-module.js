// Goes before the generated loader (--pre-js). The module is inlined in the
// script as a data: URL; left to itself the loader would try to fetch() it
// first, which the page's Content-Security-Policy (connect-src 'none')
// refuses. Compile it straight from the inlined bytes instead.
Module["instantiateWasm"] = function (imports, receiveInstance) {
  WebAssembly.instantiate(getBinary(wasmBinaryFile), imports).then(
    function (output) {
      receiveInstance(output.instance, output.module);
    },
    function (error) {
      abort(error);
    },
  );
  return {};
};
