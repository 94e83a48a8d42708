// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Vitest's benchmark functions for bench/web/, which lies outside this package and so cannot
// import vitest by name.
export { afterAll, beforeAll, bench, describe } from 'vitest';
