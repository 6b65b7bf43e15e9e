// PNG and PDF from the core's SVG: the browser draws the SVG. The PNG is
// the SVG rasterised on a canvas at `dpi` (the SVG is in points), so it is
// close to, not identical with, the desktop program's cairo PNG.

// The SVG's size in points, as its width and height attributes give it.
function svgSize(svgText) {
  const svg = new DOMParser().parseFromString(svgText, 'image/svg+xml').documentElement;
  return { width: parseFloat(svg.getAttribute('width')), height: parseFloat(svg.getAttribute('height')) };
}

export async function svgToPng(svgText, dpi) {
  const { width, height } = svgSize(svgText);
  const scale = dpi / 72;
  const url = URL.createObjectURL(new Blob([svgText], { type: 'image/svg+xml' }));
  try {
    const image = new Image();
    image.src = url;
    await image.decode();
    const canvas = document.createElement('canvas');
    canvas.width = Math.max(1, Math.round(width * scale));
    canvas.height = Math.max(1, Math.round(height * scale));
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0, canvas.width, canvas.height);
    const blob = await new Promise((done) => canvas.toBlob(done, 'image/png'));
    if (!blob) {
      throw new Error(`The picture would be ${canvas.width} x ${canvas.height} pixels, more than ` +
        'this browser draws: lower the PNG resolution, or download the SVG');
    }
    return new Uint8Array(await blob.arrayBuffer());
  } finally {
    URL.revokeObjectURL(url);
  }
}

// Prints the SVG alone, one figure a page, through a hidden frame.
export function printSvg(svgText) {
  const { width, height } = svgSize(svgText);
  const frame = document.createElement('iframe');
  frame.style.cssText = 'position: fixed; width: 0; height: 0; border: 0; visibility: hidden;';
  frame.srcdoc = `<!doctype html><style>@page { size: ${width}pt ${height}pt; margin: 0; }
    body { margin: 0; } svg { display: block; }</style>${svgText}`;
  frame.onload = () => {
    frame.contentWindow.print();
    setTimeout(() => frame.remove(), 1000);
  };
  document.body.append(frame);
}
