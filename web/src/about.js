// The About box: the version, and that nothing is sent anywhere. No link:
// the page makes no connection.

import { element } from './dom.js';

export const AboutMethods = {
    buildAbout() {
        const text = `Ferrino ${this.version} ${this.author}`.trim();
        const ok = element('button', { id: 'OKButton', type: 'button', text: 'OK' });
        this.aboutBox = element('dialog', { id: 'AboutBox', 'aria-labelledby': 'AboutTitle' },
            element('h2', { id: 'AboutTitle', text: 'A propos' }),
            element('p', { id: 'JvScrollingLabel1', text }),
            element('p', { text: 'Les numéros sont calculés dans ce navigateur : rien n’est envoyé nulle part.' }),
            element('div', { className: 'buttons' }, ok));
        ok.addEventListener('click', () => this.aboutBox.close());
        document.body.append(this.aboutBox);
    },

    about() {
        this.aboutBox.showModal();
    },
};
