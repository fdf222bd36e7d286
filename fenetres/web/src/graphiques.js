// The statistics window's two charts, drawn with Chart.js from the data the game sends: SUD's
// running score over the last deals, and his success as taker by contract, each bar with its
// figure over it (a contract taken and never won shows a sliver and "0 %").
import {
    BarController,
    BarElement,
    CategoryScale,
    Chart,
    LinearScale,
    LineController,
    LineElement,
    PointElement,
    Title,
} from 'chart.js';

Chart.register(
    BarController,
    BarElement,
    CategoryScale,
    LinearScale,
    LineController,
    LineElement,
    PointElement,
    Title
);

const ENCRE = '#1b1b1f';
const TRAIT = '#245b93';
const BARRE = '#e0a526';
const GRILLE = '#ddd6c4';

// A step between labelled deals that leaves at most about eight of them.
function pasDonnes(n) {
    for (const pas of [1, 2, 5, 10, 20, 25, 50]) if (n <= pas * 8) return pas;
    return 100;
}

const figures = {
    id: 'figures',
    afterDatasetsDraw(chart, _args, options) {
        const { ctx } = chart;
        const meta = chart.getDatasetMeta(0);
        ctx.save();
        ctx.font = options.police;
        ctx.fillStyle = ENCRE;
        ctx.textAlign = 'center';
        options.pourcents.forEach((p, k) => {
            if (p < 0) return; // never taken: nothing to tell
            const barre = meta.data[k];
            if (!barre) return;
            const hauteur = options.taille * 1.2;
            const dedans = barre.y - hauteur < chart.chartArea.top;
            ctx.textBaseline = dedans ? 'top' : 'bottom';
            ctx.fillText(`${p} %`, barre.x, dedans ? barre.y + 2 : barre.y - 2);
        });
        ctx.restore();
    },
};

export class Graphiques {
    constructor() {
        this.charts = [];
    }

    effacer() {
        this.charts.forEach((c) => c.destroy());
        this.charts = [];
    }

    // `courbe` and `barres`: the two chart controls; `echelle`: how much larger the page shows
    // them, so that they are drawn sharp.
    dessiner(donnees, courbe, barres, echelle) {
        this.effacer();
        const ratio = Math.max(1, (window.devicePixelRatio || 1) * echelle);
        const preparer = (controle) => {
            const { width, height } = controle.etat;
            const toile = controle.toile;
            toile.width = width;
            toile.height = height;
            toile.style.width = `${width}px`;
            toile.style.height = `${height}px`;
            return { toile, height };
        };
        const police = (h, gras) => ({ size: Math.max(9, Math.floor(h)), weight: gras ? 'bold' : 'normal' });
        const axe = (titre, h) => ({
            title: { display: true, text: titre, color: ENCRE, font: police(h / 20, true) },
            ticks: { color: ENCRE, font: police(h / 20, false) },
            grid: { color: GRILLE },
        });

        {
            const { toile, height } = preparer(courbe);
            const v = donnees.courbe;
            const n = Math.max(1, v.length - 1);
            const pas = pasDonnes(n);
            const x = axe(donnees.axeDonnes, height);
            x.type = 'linear';
            x.min = 0;
            x.max = n;
            x.ticks.stepSize = pas;
            this.charts.push(
                new Chart(toile, {
                    type: 'line',
                    data: {
                        datasets: [
                            {
                                data: [{ x: 0, y: 0 }, { x: n, y: 0 }],
                                borderColor: '#8a8578',
                                borderDash: [4, 4],
                                borderWidth: 1,
                                pointRadius: 0,
                            },
                            {
                                data: v.map((y, i) => ({ x: i, y })),
                                borderColor: TRAIT,
                                backgroundColor: TRAIT,
                                borderWidth: 2,
                                pointRadius: v.length <= 30 ? 3 : 0,
                            },
                        ],
                    },
                    options: {
                        animation: false,
                        responsive: false,
                        devicePixelRatio: ratio,
                        plugins: {
                            legend: { display: false },
                            title: { display: true, text: courbe.etat.caption, color: ENCRE, font: police(height / 17, true) },
                            tooltip: { enabled: false },
                        },
                        scales: { x, y: axe(donnees.axePoints, height) },
                    },
                })
            );
        }
        {
            const { toile, height } = preparer(barres);
            const p = donnees.reussites;
            const y = axe(donnees.axePourcents, height);
            y.min = 0;
            y.max = 100;
            y.ticks.stepSize = 20;
            const x = axe('', height);
            x.title.display = false;
            x.grid.display = false;
            this.charts.push(
                new Chart(toile, {
                    type: 'bar',
                    data: {
                        // Two-word contracts on two lines, as the bars are narrow.
                        labels: donnees.contrats.map((c) => c.split(' ')),
                        datasets: [
                            {
                                data: p.map((r) => (r < 0 ? 0 : Math.max(1.5, r))),
                                backgroundColor: BARRE,
                                borderColor: '#95681a',
                                borderWidth: 1,
                                barPercentage: 0.6,
                                categoryPercentage: 1,
                            },
                        ],
                    },
                    options: {
                        animation: false,
                        responsive: false,
                        devicePixelRatio: ratio,
                        plugins: {
                            legend: { display: false },
                            title: { display: true, text: barres.etat.caption, color: ENCRE, font: police(height / 17, true) },
                            tooltip: { enabled: false },
                            figures: {
                                pourcents: p,
                                taille: Math.max(9, Math.floor(height / 20)),
                                police: `bold ${Math.max(9, Math.floor(height / 20))}px sans-serif`,
                            },
                        },
                        scales: { x, y },
                    },
                    plugins: [figures],
                })
            );
        }
    }
}
