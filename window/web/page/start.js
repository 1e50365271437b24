// The WebAssembly's compiling and the two background pictures' decoding, started as soon as the
// window's first frame is painted, while the rest of the page is read.
"use strict";

const vantorStart = (() => {
  const bytesOf = (base64) => {
    if (Uint8Array.fromBase64) return Uint8Array.fromBase64(base64);
    const text = atob(base64);
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; i++) bytes[i] = text.charCodeAt(i);
    return bytes;
  };
  const pictures = JSON.parse(document.getElementById("pictures").textContent);
  // A picture's red, green, blue and alpha bytes as they are in its file, untouched by colour
  // management.
  const decode = async (name) => {
    const bitmap = await createImageBitmap(new Blob([bytesOf(pictures[name])], { type: "image/png" }), {
      colorSpaceConversion: "none", premultiplyAlpha: "none" });
    const canvas = document.createElement("canvas");
    canvas.width = bitmap.width;
    canvas.height = bitmap.height;
    const context = canvas.getContext("2d", { colorSpace: "srgb", willReadFrequently: true });
    context.drawImage(bitmap, 0, 0);
    return context.getImageData(0, 0, bitmap.width, bitmap.height);
  };
  // Once the window's first frame is painted, so that none of this holds it up.
  const painted = Promise.resolve(vantorFirst.painted);
  return {
    pictures,
    module: painted.then(() => WebAssembly.compile(bytesOf(document.getElementById("wasm").textContent))),
    planPicture: painted.then(() => decode("monthdial.png")),
    skyPicture: painted.then(() => decode("starfield.png")),
  };
})();
