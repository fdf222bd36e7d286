// The browser tests: Debian's Chromium, headless, against the site served on 127.0.0.1.
import { defineConfig } from '@playwright/test';
import path from 'node:path';

const site = path.resolve(process.env.QUARVEL_SITE || '../../build-web/site');
const port = Number(process.env.QUARVEL_PORT || 8765);

export default defineConfig({
    testDir: 'tests',
    timeout: 180000,
    workers: 2,
    reporter: [['list']],
    use: {
        baseURL: `http://127.0.0.1:${port}/`,
        browserName: 'chromium',
        launchOptions: {
            executablePath: process.env.QUARVEL_CHROMIUM || '/usr/bin/chromium',
            // Nothing leaves the machine: no background requests, no updates.
            args: [
                '--no-sandbox',
                '--disable-gpu',
                '--disable-quic',
                '--no-first-run',
                '--disable-background-networking',
                '--disable-component-update',
                '--disable-sync',
            ],
        },
    },
    webServer: {
        command: `node tests/serveur.mjs "${site}" ${port}`,
        url: `http://127.0.0.1:${port}/`,
        reuseExistingServer: false,
    },
});
