// Where the built site is: FERRINO_WEB_SITE, or build-web/web/site beside the sources.
import path from 'node:path';
import { fileURLToPath } from 'node:url';

export function siteFolder() {
    const here = path.dirname(fileURLToPath(import.meta.url));
    return path.resolve(process.env.FERRINO_WEB_SITE || path.join(here, '..', '..', 'build-web', 'web', 'site'));
}
