// A caption in its box: the design font stepped down half a point at a time until the text is
// whole inside the box, never below a readable 7 points, as the desktop program does.
const MINIMUM = 7;

export function deborde(e) {
    return e.scrollWidth > e.clientWidth + 0.5 || e.scrollHeight > e.clientHeight + 0.5;
}

export function ajusterPolice(boite, points) {
    let p = points;
    boite.style.fontSize = `${p}pt`;
    while (p > MINIMUM && deborde(boite)) {
        p = Math.max(MINIMUM, p - 0.5);
        boite.style.fontSize = `${p}pt`;
    }
    return p;
}

// "&Quitter" as the menus write it: the letter after & is the access key.
export function sansEsperluette(t) {
    return t.replace(/&(.)/g, '$1');
}

export function avecAcces(element, t) {
    element.textContent = '';
    const m = /&(.)/.exec(t);
    if (!m) {
        element.textContent = t;
        return '';
    }
    element.append(t.slice(0, m.index).replace(/&(.)/g, '$1'));
    const u = document.createElement('u');
    u.textContent = m[1];
    element.append(u, t.slice(m.index + 2).replace(/&(.)/g, '$1'));
    return m[1].toLowerCase();
}
