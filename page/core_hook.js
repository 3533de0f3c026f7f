// The core instantiates the module compiled early (core_early.js).
if (vexilCompiled) {
  Module["instantiateWasm"] = (imports, receive) => {
    vexilCompiled.then((module) => WebAssembly.instantiate(module, imports))
      .then((instance) => receive(instance), (error) => readyPromiseReject(error));
    return {};
  };
}
