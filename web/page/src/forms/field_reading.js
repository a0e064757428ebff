// What a field's text reads as, by the CLI's rules for its option: whole numbers only, written
// plainly (no spaces, no decimals, no exponent), within the option's range. A field that reads
// as nothing usable gives the text to show beside it instead.
import { t } from '../texts/i18n.js';

export const INT32 = { lowest: -2147483648, highest: 2147483647 };
export const SEEDS = { lowest: 0, highest: 4294967295 };

// Throws this with the wording for the field, which the form catches and shows beside it.
export class FieldError extends Error {}

function strictInteger(text) {
  if (!/^-?[0-9]{1,19}$/.test(text)) return null;
  const value = Number(text);
  return Math.abs(value) > 2 ** 40 ? null : value;
}

// Within 32 bits the core says what range it takes, in its refusal: the field asks only for a
// whole number, not for one of the four billion the type holds.
export function wholeNumber(text, { lowest, highest } = INT32) {
  if (text.trim() === '') throw new FieldError(t('page.error.required'));
  const value = strictInteger(text.trim());
  const anyInt32 = lowest === INT32.lowest && highest === INT32.highest;
  if (value === null || value < lowest || value > highest) {
    throw new FieldError(anyInt32 ? t('page.error.notWholeNumber') : t('page.error.wholeNumber', { lowest, highest }));
  }
  return value;
}

export function required(text) {
  if (text.trim() === '') throw new FieldError(t('page.error.required'));
  return text.trim();
}

// One to `most` speeds separated by commas; a space or 、 is the commonest slip on a phone, so
// it is taken as a comma.
export function speedList(text, most) {
  const items = required(text).split(/[,、，\s]+/).filter((item) => item !== '');
  if (items.length > most) throw new FieldError(t('page.error.tooManySpeeds', { most }));
  return items.map((item) => {
    const value = strictInteger(item);
    if (value === null || value < INT32.lowest || value > INT32.highest) {
      throw new FieldError(t('page.error.speedList'));
    }
    return value;
  });
}

// "K/N"; the core says which counts it takes, in its refusal.
export function observedCount(text) {
  const match = /^\s*([0-9]+)\s*\/\s*([0-9]+)\s*$/.exec(text);
  const encounters = match && strictInteger(match[2]), successes = match && strictInteger(match[1]);
  if (encounters === null || successes === null) throw new FieldError(t('page.error.observedForm'));
  return { successes, encounters };
}

// Where the core's refusals of a count are shown: the count's own field.
export const observedFieldOf = { observedEncounters: 'observed', observedSuccesses: 'observed' };

// A seed given, or one drawn here and shown with the answer (and kept in the link).
export function seedOf(text) {
  if (text.trim() !== '') return { seed: wholeNumber(text, SEEDS), drawn: false };
  const word = new Uint32Array(1);
  crypto.getRandomValues(word);
  return { seed: word[0], drawn: true };
}
