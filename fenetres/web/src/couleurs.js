// Colours as the game gives them (0x00BBGGRR), and the shades the desktop program draws with:
// lighter and darker as Qt computes them, the ink that reads on a background.

export function rgb(bgr) {
    return { r: bgr & 0xff, g: (bgr >> 8) & 0xff, b: (bgr >> 16) & 0xff, a: 255 };
}

export function css({ r, g, b, a = 255 }) {
    return a >= 255 ? `rgb(${r},${g},${b})` : `rgba(${r},${g},${b},${(a / 255).toFixed(3)})`;
}

function versHsv({ r, g, b }) {
    const max = Math.max(r, g, b);
    const min = Math.min(r, g, b);
    const d = max - min;
    let h = 0;
    if (d > 0) {
        if (max === r) h = ((g - b) / d) % 6;
        else if (max === g) h = (b - r) / d + 2;
        else h = (r - g) / d + 4;
        h *= 60;
        if (h < 0) h += 360;
    }
    return { h, s: max === 0 ? 0 : (d / max) * 255, v: max };
}

function deHsv({ h, s, v }, a) {
    const c = (v * s) / 255;
    const x = c * (1 - Math.abs(((h / 60) % 2) - 1));
    const m = v - c;
    let [r, g, b] = [0, 0, 0];
    if (h < 60) [r, g, b] = [c, x, 0];
    else if (h < 120) [r, g, b] = [x, c, 0];
    else if (h < 180) [r, g, b] = [0, c, x];
    else if (h < 240) [r, g, b] = [0, x, c];
    else if (h < 300) [r, g, b] = [x, 0, c];
    else [r, g, b] = [c, 0, x];
    return { r: Math.round(r + m), g: Math.round(g + m), b: Math.round(b + m), a };
}

// As QColor::lighter: the value times the factor, the saturation giving way above white.
export function plusClair(c, facteur) {
    const hsv = versHsv(c);
    let v = (hsv.v * facteur) / 100;
    let s = hsv.s;
    if (v > 255) {
        s -= v - 255;
        if (s < 0) s = 0;
        v = 255;
    }
    return deHsv({ h: hsv.h, s, v }, c.a);
}

export function plusSombre(c, facteur) {
    const hsv = versHsv(c);
    return deHsv({ h: hsv.h, s: hsv.s, v: (hsv.v * 100) / facteur }, c.a);
}

function clarte({ r, g, b }) {
    return (Math.max(r, g, b) + Math.min(r, g, b)) / 2;
}

// Dark text on light panels, light text on dark ones.
export function encreSur(fond) {
    if (!fond || fond.a < 90) return { r: 0xf4, g: 0xf1, b: 0xe6, a: 255 };
    return clarte(fond) > 128 ? { r: 0x1b, g: 0x1b, b: 0x1f, a: 255 } : { r: 0xf8, g: 0xf6, b: 0xee, a: 255 };
}
